#pragma once
// FNV-1a over the bytes of the values added, least significant byte first:
// a golden hash of a simulation's whole state in one number.

#include <cstdint>
#include <cstring>

class TFnvHash {
public:
    void Add(double D)
    {
        uint64_t Bits;
        std::memcpy(&Bits, &D, sizeof Bits);
        AddBytes(Bits, 8);
    }
    void Add(int32_t V) { AddBytes(static_cast<uint32_t>(V), 4); }
    uint64_t Value() const { return Hash; }

private:
    uint64_t Hash = 14695981039346656037ull;
    void AddBytes(uint64_t Bits, int Count)
    {
        for (int Byte = 0; Byte < Count; ++Byte) Hash = (Hash ^ ((Bits >> (8 * Byte)) & 0xFF)) * 1099511628211ull;
    }
};
