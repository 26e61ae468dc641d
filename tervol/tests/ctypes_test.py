"""Calls the shared library the way a Python user would, through ctypes."""
import ctypes
import os
import subprocess
import sys
import tempfile
import unittest

LIBRARY = sys.argv.pop(1)
os.environ["TEMP"] = tempfile.mkdtemp()
lib = ctypes.CDLL(LIBRARY)

Composition = ctypes.c_float * 17
SLOTS = ["CO", "C4H6", "C4H8", "C2H4", "C3H6", "H2S", "H2", "C3H8", "C2H6", "C4H10",
         "CH4", "CxHy", "C5H12", "N2", "CO2", "O2", "H2O"]


def methan(**gas):
    composition = Composition(*[gas.get(name, 0.0) for name in SLOTS])
    status = ctypes.c_int32(99)
    mn = ctypes.c_float(-1)
    mn_inert_free = ctypes.c_float(-1)
    lib.METHAN(composition, ctypes.byref(status), ctypes.byref(mn), ctypes.byref(mn_inert_free))
    return status.value, mn.value, mn_inert_free.value


def mzveks(**gas):
    values = [ctypes.c_double(gas.get(name, 0.0)) for name in SLOTS]
    status = ctypes.c_int32()
    outputs = [ctypes.c_double() for _ in range(4)]
    lib.MZVEKS(*[ctypes.byref(v) for v in values], ctypes.byref(status),
               *[ctypes.byref(o) for o in outputs])
    return [v.value for v in values], status.value, [o.value for o in outputs]


class Entries(unittest.TestCase):
    def test_version(self):
        triple = [ctypes.c_int32() for _ in range(3)]
        lib.DLLVER(*[ctypes.byref(v) for v in triple])
        self.assertEqual([v.value for v in triple], [2, 0, 1])

    def test_sum_check(self):
        for total, accepted in [(99.0, True), (101.0, True), (98.99, False), (101.01, False)]:
            status, mn, mn_if = methan(CH4=total)
            self.assertEqual(status != -1, accepted, total)
            if not accepted:
                self.assertEqual((mn, mn_if), (0.0, 0.0))
        self.assertEqual(methan(), (-1, 0.0, 0.0))

    def test_no_combustible_part(self):
        self.assertEqual(methan(N2=50, CO2=50), (0, 0.0, 0.0))

    def test_mzveks(self):
        values, status, (mn, mn_if, heating, air) = mzveks(CH4=99.9, CO=0.1)
        self.assertEqual(status, 0)
        self.assertEqual(values[0], 0.100000001490116119384765625)
        values, status, (mn, mn_if, heating, air) = mzveks(CH4=100)
        self.assertAlmostEqual(heating, 9.9708, places=4)
        self.assertAlmostEqual(air, 9.5681, places=4)
        self.assertAlmostEqual(mn, 99.1865, places=4)


class Exports(unittest.TestCase):
    def test_only_the_three_entries_are_exported(self):
        out = subprocess.run(["nm", "-D", "--defined-only", LIBRARY], check=True,
                             capture_output=True, text=True).stdout
        functions = sorted(line.split()[-1] for line in out.splitlines()
                           if line.split()[1] in "TtWi")
        self.assertEqual(functions, ["DLLVER", "METHAN", "MZVEKS"])


if __name__ == "__main__":
    unittest.main()
