#!/usr/bin/env python3
"""The documentation check finds what it looks for, on small trees made here."""
import contextlib
import io
import os
import runpy
import tempfile
import types
import unittest

links = types.SimpleNamespace(**runpy.run_path(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), 'check-links.py')))


class DocsCheck(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.write('README.md', '# Veltrum\n\n![the window](docs/office.png)\n\n'
                   'See [closing](docs/closing.md#the-closing-timer-and-mailed-reports) and '
                   '[the command line](docs/command-line.md).\n')
        self.write('docs/office.png', '')
        self.write('docs/closing.md', '# Closing the day\n\n## The closing timer and mailed reports\n\n'
                   '```sh\n[not a link](nowhere.md)\n```\n\nBack to the [README](../README.md).\n')
        self.write('docs/command-line.md', "# The `veltrum` command line\n\n## Charts\n\n"
                   "See [the timer](closing.md#the-closing-timer-and-mailed-reports), "
                   "[charts](#charts), `[code](nowhere.md)` and [the web](https://example.com/x).\n")

    def write(self, path, text):
        full = os.path.join(self.dir.name, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, 'w') as f:
            f.write(text)

    def run_check(self):
        out, err = io.StringIO(), io.StringIO()
        with contextlib.redirect_stdout(out), contextlib.redirect_stderr(err):
            code = links.check(self.dir.name)
        return code, out.getvalue() + err.getvalue()

    def test_pages_that_hold_together_pass_code_and_outside_links_aside(self):
        code, text = self.run_check()
        self.assertEqual(code, 0, text)

    def test_a_link_to_a_missing_file_or_heading_fails_naming_page_and_line(self):
        self.write('docs/closing.md', '# Closing the day\n\nSee [the verifier](verify.md) and '
                   '[records](command-line.md#records).\n')
        code, text = self.run_check()
        self.assertEqual(code, 1)
        self.assertIn('docs/closing.md:3: verify.md: no such file', text)
        self.assertIn('docs/closing.md:3: command-line.md#records: docs/command-line.md has no heading "#records"', text)
        self.assertIn('docs/command-line.md:5: closing.md#the-closing-timer-and-mailed-reports', text)

    def test_a_page_no_link_leads_to_fails(self):
        self.write('docs/exceptions.md', '# Exceptions\n')
        code, text = self.run_check()
        self.assertEqual(code, 1)
        self.assertIn('docs/exceptions.md: no link leads here from README.md', text)

    def test_a_readme_past_its_limit_fails(self):
        with open(os.path.join(self.dir.name, 'README.md'), 'a') as f:
            f.write('more\n' * 250)
        code, text = self.run_check()
        self.assertEqual(code, 1)
        self.assertIn('README.md: 255 lines, past 250', text)

    def test_anchors_are_made_as_the_renderers_make_them(self):
        self.assertEqual(links.slug("The `veltrum` command line"), 'the-veltrum-command-line')
        self.assertEqual(links.slug("Install on a restaurant's PC"), 'install-on-a-restaurants-pc')
        self.assertEqual(links.slug('Chain statistics in PostgreSQL'), 'chain-statistics-in-postgresql')
        self.assertEqual(links.slug('Größe & Format'), 'größe--format')


if __name__ == '__main__':
    unittest.main(verbosity=2)
