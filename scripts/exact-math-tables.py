#!/usr/bin/env python3
"""Writes src/core/numeric/ExactMathTables.cpp: the constants of the elementary functions of
core/numeric, each a double or a pair of doubles (hi + lo) nearest to the exact value, from
mpmath at 300 bits. Run it again only to change a table; its output is committed."""
import sys

from mpmath import mp, mpf, exp, log, pi, factorial, floor, ldexp, frexp

mp.prec = 300


def hexd(value):
    return float(value).hex()


def pair(value):
    hi = float(value)
    lo = float(value - mpf(hi))
    return hi, lo


def leading(value, bits):
    """value rounded to its leading `bits` bits, so that a product by a small whole number
    is exact in a double."""
    m, e = frexp(value)
    return ldexp(floor(ldexp(m, bits) + mpf(0.5)), e - bits)


def parts3(value, bits):
    p1 = float(leading(value, bits))
    p2 = float(value - mpf(p1))
    p3 = float(value - mpf(p1) - mpf(p2))
    return p1, p2, p3


def rows(values):
    return "\n".join(f"    {{{hexd(hi)}, {hexd(lo)}}}," for hi, lo in values)


def inverse_near(i):
    """128/i to 24 bits: its product by any double splits exactly into two doubles with one
    split of the other factor."""
    return float(leading(mpf(128) / i, 24))


exp_steps = 64
first_log, last_log = 90, 181

out = [
    "// Written by scripts/exact-math-tables.py: each value is the double, or the pair of",
    "// doubles hi + lo, nearest to the exact constant. Do not edit by hand.",
    '#include "numeric/ExactMathTables.h"',
    "",
    "namespace zorbel::exact::tables {",
    "",
    f"const DoublePair twoToFraction[{exp_steps}] = {{",
    rows(pair(mpf(2) ** (mpf(j) / exp_steps)) for j in range(exp_steps)),
    "};",
    "",
    f"const DoublePair logOfInverse[{last_log - first_log + 1}] = {{",
    rows(pair(log(inverse_near(i))) for i in range(first_log, last_log + 1)),
    "};",
    "",
    f"const double inverseNear[{last_log - first_log + 1}] = {{",
    "\n".join(f"    {hexd(inverse_near(i))}," for i in range(first_log, last_log + 1)),
    "};",
    "",
    "const DoublePair inverseFactorial[31] = {",
    rows(pair(1 / factorial(k)) for k in range(31)),
    "};",
    "",
]
ln2 = log(mpf(2))
l1, l2, l3 = parts3(ln2 / exp_steps, 35)
p1, p2, p3 = parts3(pi / 2, 32)
n1, n2, _ = parts3(ln2, 42)
out += [
    f"const DoublePair ln2 = {{{', '.join(hexd(v) for v in pair(ln2))}}};",
    f"const double ln2Parts[2] = {{{hexd(n1)}, {hexd(n2)}}};",
    f"const double ln2Over64[3] = {{{hexd(l1)}, {hexd(l2)}, {hexd(l3)}}};",
    f"const double halfPi[3] = {{{hexd(p1)}, {hexd(p2)}, {hexd(p3)}}};",
    f"const DoublePair oneThird = {{{', '.join(hexd(v) for v in pair(mpf(1) / 3))}}};",
    f"const DoublePair oneFifth = {{{', '.join(hexd(v) for v in pair(mpf(1) / 5))}}};",
    "",
    "} // namespace zorbel::exact::tables",
    "",
]
sys.stdout.write("\n".join(out))
