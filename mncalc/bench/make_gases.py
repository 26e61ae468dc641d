#!/usr/bin/env python3
"""Writes N realistic gases as CSV: the benchmark gases, each component
perturbed by up to +-5 % of its value, figures rescaled to 100 and rounded to
4 decimals, as analysers report them. Same N and seed, same file."""
import argparse
import csv
import random
import sys


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("gases", help="CSV of base gases: name column, then the components")
    parser.add_argument("rows", type=int)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()

    with open(args.gases, newline="") as f:
        reader = csv.reader(f)
        header = next(reader)
        base = [(row[0], [float(v) for v in row[1:]]) for row in reader if row]

    rng = random.Random(args.seed)
    out = sys.stdout
    out.write(",".join(["sample"] + header) + "\n")
    for i in range(args.rows):
        name, values = base[i % len(base)]
        perturbed = [v * (1.0 + rng.uniform(-0.05, 0.05)) for v in values]
        total = sum(perturbed)
        figures = ["%.4f" % (v * 100.0 / total) if v else "0" for v in perturbed]
        out.write("%d,%s,%s\n" % (i + 1, name, ",".join(figures)))


if __name__ == "__main__":
    main()
