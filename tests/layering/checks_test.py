#!/usr/bin/env python3
"""The layering checks find what they look for: run on small trees made
here, each fails on the fault it is for and passes the same tree without it."""
import contextlib
import io
import os
import runpy
import tempfile
import types
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))


def load(file):
    return types.SimpleNamespace(**runpy.run_path(os.path.join(HERE, file)))


circles = load('include-circles.py')
sizes = load('file-sizes.py')


class Tree:
    def __init__(self):
        self.dir = tempfile.TemporaryDirectory()
        self.root = self.dir.name

    def write(self, path, text):
        full = os.path.join(self.root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, 'w') as f:
            f.write(text)
        return full

    def run(self, check, *args):
        err, out = io.StringIO(), io.StringIO()
        with contextlib.redirect_stderr(err), contextlib.redirect_stdout(out):
            code = check(self.root, *args)
        return code, out.getvalue() + err.getvalue()


class IncludeCircles(unittest.TestCase):
    def setUp(self):
        self.tree = Tree()
        self.addCleanup(self.tree.dir.cleanup)
        t = self.tree
        t.write('views/tdoc.h', '#pragma once\n#include "tselection.h"\n')
        t.write('views/tdoc.cpp', '#include "tdoc.h"\n#include "thandover.h"\n')
        t.write('views/thandover.h', '#include "tselection.h"\n#include <QDate>\n')
        t.write('views/thandover.cpp', '#include "thandover.h"\n#include "toffdocument.h"\n')
        t.write('views/tselection.h', '#pragma once\n')
        t.write('host/toffdocument.h', '#pragma once\n')
        t.write('app/main.cpp', '#include "tdoc.h"\n')
        self.known = t.write('known.txt', '# none\n')

    def test_a_tree_without_circles_passes(self):
        code, text = self.tree.run(circles.check, self.known)
        self.assertEqual(code, 0, text)

    def test_two_units_that_include_each_other_fail_unless_known(self):
        self.tree.write('views/thandover.cpp', '#include "thandover.h"\n#include "tdoc.h"\n')
        code, text = self.tree.run(circles.check, self.known)
        self.assertEqual(code, 1)
        self.assertIn('new circle: views/tdoc views/thandover', text)
        known = self.tree.write('known2.txt', 'views/tdoc views/thandover # the old way\n')
        self.assertEqual(self.tree.run(circles.check, known)[0], 0)

    def test_a_known_circle_that_takes_in_another_unit_fails(self):
        self.tree.write('views/thandover.cpp', '#include "thandover.h"\n#include "tdoc.h"\n')
        self.tree.write('views/tselection.h', '#pragma once\n#include "thandover.h"\n')
        known = self.tree.write('known2.txt', 'views/tdoc views/thandover # the old way\n')
        code, text = self.tree.run(circles.check, known)
        self.assertEqual(code, 1)
        self.assertIn('views/tdoc views/thandover views/tselection', text)

    def test_folders_that_include_each_other_fail_also_round_a_longer_circle(self):
        self.tree.write('host/toffdocument.h', '#pragma once\n#include "tselection.h"\n')
        code, text = self.tree.run(circles.check, self.known)
        self.assertEqual(code, 1)
        self.assertIn('folders include each other: host, views', text)
        self.tree.write('host/toffdocument.h', '#pragma once\n#include "tbridge.h"\n')
        self.tree.write('web/tbridge.h', '#pragma once\n#include "tselection.h"\n')
        code, text = self.tree.run(circles.check, self.known)
        self.assertEqual(code, 1)
        self.assertIn('folders include each other: host, views, web', text)

    def test_a_program_may_include_any_folder(self):
        self.tree.write('views/tselection.h', '#pragma once\n#include "tcommand.h"\n')
        self.tree.write('app/tcommand.h', '#pragma once\n')
        self.assertEqual(self.tree.run(circles.check, self.known)[0], 0)

    def test_a_known_circle_without_its_reason_is_refused(self):
        known = self.tree.write('known2.txt', 'views/tdoc views/thandover\n')
        with self.assertRaises(SystemExit):
            self.tree.run(circles.check, known)


class FileSizes(unittest.TestCase):
    def setUp(self):
        self.tree = Tree()
        self.addCleanup(self.tree.dir.cleanup)
        self.tree.write('poslib/data/tshort.cpp', 'x\n' * 800)
        self.tree.write('poslib/data/tshort.h', 'x\n' * 400)
        self.tree.write('tests/data/golden.cpp', 'x\n' * 5000)  # reference files are no sources
        self.listed = self.tree.write('long.txt', '')

    def test_files_up_to_their_limit_pass(self):
        code, text = self.tree.run(sizes.main, self.listed)
        self.assertEqual(code, 0, text)

    def test_a_long_source_or_header_fails_unless_listed_with_a_reason(self):
        self.tree.write('poslib/data/tlong.cpp', 'x\n' * 801)
        self.tree.write('poslib/report/tlong.h', 'x\n' * 401)
        code, text = self.tree.run(sizes.main, self.listed)
        self.assertEqual(code, 1)
        self.assertIn('poslib/data/tlong.cpp: 801 lines, over 800', text)
        self.assertIn('poslib/report/tlong.h: 401 lines, over 400', text)
        listed = self.tree.write('long2.txt', 'poslib/data/tlong.cpp # one table\n'
                                              'poslib/report/tlong.h # one table\n')
        self.assertEqual(self.tree.run(sizes.main, listed)[0], 0)
        with self.assertRaises(SystemExit):
            self.tree.run(sizes.main, self.tree.write('long3.txt', 'poslib/data/tlong.cpp\n'))


if __name__ == '__main__':
    unittest.main(verbosity=2)
