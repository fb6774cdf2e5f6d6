#!/usr/bin/env python3
"""Reference values for Random(n): mt19937_64 (the standard's parameters)
and Lemire's nearly-divisionless reduction with a 128-bit product, written
from their published descriptions, independent of the program's code.
Usage: random_reference.py SEED N [N ...]  (prints Random(N) for each N, in turn)."""
import sys

MASK = (1 << 64) - 1


class Mt19937_64:
    N, M = 312, 156
    MATRIX_A = 0xB5026F5AA96619E9
    UPPER, LOWER = 0xFFFFFFFF80000000, 0x7FFFFFFF

    def __init__(self, seed):
        self.mt = [seed & MASK]
        for i in range(1, self.N):
            prev = self.mt[-1]
            self.mt.append((6364136223846793005 * (prev ^ (prev >> 62)) + i) & MASK)
        self.index = self.N

    def _twist(self):
        mt = self.mt
        for i in range(self.N):
            y = (mt[i] & self.UPPER) | (mt[(i + 1) % self.N] & self.LOWER)
            mt[i] = mt[(i + self.M) % self.N] ^ (y >> 1) ^ (self.MATRIX_A if y & 1 else 0)
        self.index = 0

    def next(self):
        if self.index >= self.N:
            self._twist()
        y = self.mt[self.index]
        self.index += 1
        y ^= (y >> 29) & 0x5555555555555555
        y ^= (y << 17) & 0x71D67FFFEDA60000
        y ^= (y << 37) & 0xFFF7EEE000000000
        y ^= y >> 43
        return y & MASK


def random_below(gen, n):
    if n < 1:
        return 0
    product = gen.next() * n
    if product & MASK < n:
        threshold = (-n & MASK) % n
        while product & MASK < threshold:
            product = gen.next() * n
    return product >> 64


if __name__ == "__main__":
    if len(sys.argv) < 3:
        check = Mt19937_64(5489)
        for _ in range(9999):
            check.next()
        assert check.next() == 9981545732273789042  # the standard's check value
        sys.exit(__doc__)
    gen = Mt19937_64(int(sys.argv[1]))
    print(" ".join(str(random_below(gen, int(n))) for n in sys.argv[2:]))
