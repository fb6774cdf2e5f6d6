#pragma once
// TVector: a 2-D vector that carries a cached length and direction.
//
// The cache is explicit state, refreshed only by the operations marked
// "refreshes" below. AddVector, SubVector and ScaleVector leave it behind X
// and Y on purpose: the particle step reads it where it lags.

struct TVector {
    double X = 0;      // pixels (or pixels per step for velocities)
    double Y = 0;      // pixels, y downwards
    double Length = 0; // cached length as of the last refresh
    double Angle = 0;  // cached direction in degrees, 0 right, 90 down
};

void UpdateLength(TVector& V); // Length := |(X, Y)|
void UpdateAngle(TVector& V);  // Angle := direction of (X, Y)

void SetVector(TVector& V, double X, double Y);        // refreshes
TVector MakeVector(double X, double Y);                // refreshed
TVector NegatedVector(const TVector& V);               // refreshed
TVector VectorSum(const TVector& A, const TVector& B);  // refreshed
TVector VectorDiff(const TVector& A, const TVector& B); // A - B, refreshed
TVector VectorScaled(const TVector& V, double K);      // refreshed
TVector PerpVector(const TVector& V);                  // (-Y, X), refreshed

void AddVector(TVector& V, const TVector& W); // cache untouched
void SubVector(TVector& V, const TVector& W); // cache untouched
void ScaleVector(TVector& V, double K);       // cache untouched

// Rescales (X, Y) to length L through the cached Length; a zero cached
// Length gives (0, 0). Refreshes Length only.
void SetVectorLength(TVector& V, double L);

// Points V along Round(A) whole degrees with its cached Length; refreshes Angle.
void SetVectorAngle(TVector& V, double A);

// Turns V by D degrees from its cached Angle, whole degrees only; Angle
// becomes that whole number and Length is kept.
void RotateVector(TVector& V, double D);

// Mirrors V's direction about the direction M.Angle (only M.Angle is read).
void ReflectVector(TVector& V, const TVector& M);

// Both components differ by less than 1. A fast path (docs/exactness.md):
// the same answer as SameVectorPlain.
bool SameVector(const TVector& A, const TVector& B);

// The reference SameVector is held to: Floor of each component's distance,
// in Extended, is 0. Used only by tests.
bool SameVectorPlain(const TVector& A, const TVector& B);

void SwapVectors(TVector& A, TVector& B);
