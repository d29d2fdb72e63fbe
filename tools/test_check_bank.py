#!/usr/bin/env python3
"""Checks that tools/check-bank.py accepts the bank and reports each kind of fault.

Run: python3 tools/test_check_bank.py
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
SCRIPT = os.path.join(HERE, 'check-bank.py')
LAW = 'data/questions/01-law.txt'


def sub(path, old, new, count=1):
    """Return an edit replacing the first `count` matches of regex `old` in `path`."""
    def edit(root):
        p = os.path.join(root, path)
        with open(p, encoding='utf-8') as f:
            text = f.read()
        changed, n = re.subn(old, new, text, count=count, flags=re.M)
        assert n, 'pattern %r not found in %s' % (old, path)
        with open(p, 'w', encoding='utf-8') as f:
            f.write(changed)
    return edit


def append(path, extra):
    def edit(root):
        with open(os.path.join(root, path), 'a', encoding='utf-8') as f:
            f.write(extra)
    return edit


# (what, edit, text expected in the report)
CASES = [
    ('duplicate number', sub(LAW, r'^\[2\]$', '[1]'), 'question 1 already defined'),
    ('tf answer 3', sub(LAW, r'^answer: 1$', 'answer: 3'), 'tf answer must be 1 or 2'),
    ('single answer two digits', sub(LAW, r'^(type: single\n(?:.*\n){6})answer: \d$', r'\1answer: 12'),
     'single answer must be one digit'),
    ('multiple answer not ascending', sub(LAW, r'^answer: 123$', 'answer: 321'), 'ascending without repeats'),
    ('multiple answer one digit', sub(LAW, r'^answer: 123$', 'answer: 3'), 'at least two digits'),
    ('answer digit 5', sub(LAW, r'^answer: 123$', 'answer: 125'), 'digits 1-4'),
    ('tf with options', sub(LAW, r'^(type: tf\n.*\n.*\n)', r'\1A: 正确\n'), 'takes no options'),
    ('single without D', sub(LAW, r'^D: .*\n', ''), 'missing option D'),
    ('missing why', sub(LAW, r'^why: .*\n', ''), 'missing why'),
    ('unknown chapter', sub(LAW, r'^chapter: 1\.1$', 'chapter: 9.9'), 'not in chapters.txt'),
    ('text too long', sub(LAW, r'^text: (.*)$', 'text: ' + '长' * 128), 'bytes in GBK'),
    ('outside GBK', sub(LAW, r'^why: (.*)$', r'why: \1' + '\U0001F697'), 'outside GBK'),
    ('missing picture', sub('data/questions/02-signals.txt', r'^pic: tevral_1\.jpg$', 'pic: tevral_999.jpg'),
     'tevral_999.jpg not found'),
    ('unknown key', sub(LAW, r'^thread: (\d+)$', r'thread: \1\nhint: x'), 'not a known'),
    ('same thread twice', sub(LAW, r'^thread: \d+$', 'thread: 12345', count=2), 'thread 12345 also used'),
    ('rules sum 101', sub('data/rules.txt', r'^C1\|1\|1\|5\|', 'C1|1|1|6|'), 'group C1 adds up to 101'),
    ('count not a number', sub('data/rules.txt', r'^C1\|5\|2\|1\|1\|0$', 'C1|5|2|1|1|0\nC1|4|1|0|0|-0'),
     'count must be a whole number'),
    ('rule exceeds sub-chapter', sub('data/rules.txt', r'^C1\|5\|2\|1\|1\|0$', 'C1|5|2|1|1|9'), 'which holds'),
    ('rule chapter twice', append('data/rules.txt', 'C1|5|2|0|0|0\n'), 'has chapter 5.2 twice'),
    ('set member missing', sub('data/sets.txt', r'^(\[试卷1\]\n)\d+', r'\g<1>99999'), 'question 99999 does not exist'),
    ('set member twice', sub('data/sets.txt', r'^(\[试卷2\]\n)(\d+) \d+', r'\1\2 \2'), 'listed twice'),
    ('paper with 99', sub('data/sets.txt', r'^(\[试卷3\]\n)\d+ ', r'\1'), '试卷3 has 99 members'),
    ('chapter pair twice', append('data/chapters.txt', '1|1|C1|again\n'), 'chapter 1.1 listed twice'),
    ('class code too long', append('data/classes.txt', 'ABC|x\n'), '1-2 characters'),
    ('bad frist', sub('data/system.txt', r'^frist: 2$', 'frist: 3'), 'frist must be 1 or 2'),
]


class CheckBankTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def fresh_copy(self, name):
        root = os.path.join(self.tmp, name)
        shutil.copytree(os.path.join(ROOT, 'data'), os.path.join(root, 'data'))
        shutil.copytree(os.path.join(ROOT, 'resources', 'images'), os.path.join(root, 'resources', 'images'),
                        ignore=shutil.ignore_patterns('src'))
        return root

    def run_check(self, root):
        r = subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)
        return r.returncode, r.stdout

    def test_bank_is_clean(self):
        code, out = self.run_check(ROOT)
        self.assertEqual(code, 0, out)
        self.assertIn(' 0 warning(s)', out)

    def test_faults_are_reported(self):
        for i, (what, edit, expected) in enumerate(CASES):
            with self.subTest(what):
                root = self.fresh_copy('case%d' % i)
                edit(root)
                code, out = self.run_check(root)
                self.assertEqual(code, 1, out)
                self.assertIn(expected, out)
                # errors carry a file (and usually a line) in front
                self.assertRegex(out, r'(?m)^data/[\w/.-]+(:\d+)?: ')


if __name__ == '__main__':
    unittest.main()
