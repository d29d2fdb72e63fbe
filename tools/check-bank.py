#!/usr/bin/env python3
"""Lint the question bank sources under data/ (format: docs/bank-format.md).

Usage: tools/check-bank.py [ROOT]     (ROOT defaults to the repository root)

Errors are printed as `file:line: reason` and make the exit status 1;
warnings are printed the same way with a `warning:` prefix.
"""
import os
import re
import sys
from collections import Counter, defaultdict

MAX_BYTES = 255
TYPES = {'tf', 'single', 'multiple'}
OPTS = ('A', 'B', 'C', 'D')
QKEYS = {'type', 'chapter', 'text', 'answer', 'why', 'thread', 'pic'} | set(OPTS)
TEXT_KEYS = ('text',) + OPTS + ('why',)
PAPERS = ['试卷%d' % i for i in range(1, 12)]


class Report:
    def __init__(self, root):
        self.root = root
        self.errors = 0
        self.warnings = 0

    def _where(self, path, line):
        rel = os.path.relpath(path, self.root)
        return '%s:%s' % (rel, line) if line else rel

    def error(self, path, line, msg):
        self.errors += 1
        print('%s: %s' % (self._where(path, line), msg))

    def warn(self, path, line, msg):
        self.warnings += 1
        print('%s: warning: %s' % (self._where(path, line), msg))


def content_lines(path):
    """Yield (line number, stripped line) for every line, '' for blanks and comments."""
    with open(path, encoding='utf-8') as f:
        for n, raw in enumerate(f, 1):
            s = raw.strip()
            yield n, '' if s.startswith('#') else s


def check_text(rep, path, line, what, s):
    try:
        size = len(s.encode('gbk'))
    except UnicodeEncodeError as e:
        rep.error(path, line, '%s has a character outside GBK: %r' % (what, s[e.start:e.end]))
        return
    if size > MAX_BYTES:
        rep.error(path, line, '%s is %d bytes in GBK (max %d)' % (what, size, MAX_BYTES))


def check_answer(qtype, ans):
    """Return a reason string if the answer does not fit the type, else None."""
    if qtype == 'tf':
        return None if ans in ('1', '2') else 'tf answer must be 1 or 2'
    if not re.fullmatch(r'[1-4]+', ans):
        return 'answer must be digits 1-4'
    if qtype == 'single':
        return None if len(ans) == 1 else 'single answer must be one digit'
    if len(ans) < 2:
        return 'multiple answer needs at least two digits'
    if list(ans) != sorted(set(ans)):
        return 'multiple answer digits must be ascending without repeats'
    return None


def split_fields(rep, path, n, line, count):
    parts = [p.strip() for p in line.split('|')]
    if len(parts) != count:
        rep.error(path, n, 'expected %d fields separated by |, got %d' % (count, len(parts)))
        return None
    return parts


def read_chapters(rep, path):
    chapters = {}
    for n, line in content_lines(path):
        if not line:
            continue
        parts = split_fields(rep, path, n, line, 4)
        if not parts:
            continue
        fl, xh, cx, name = parts
        if not (fl.isdigit() and xh.isdigit()):
            rep.error(path, n, 'chapter and sub-chapter must be whole numbers')
            continue
        key = (int(fl), int(xh))
        if key in chapters:
            rep.error(path, n, 'chapter %d.%d listed twice' % key)
        chapters[key] = name
        check_text(rep, path, n, 'cx', cx)
    return chapters


def read_classes(rep, path):
    classes = []
    for n, line in content_lines(path):
        if not line:
            continue
        parts = split_fields(rep, path, n, line, 2)
        if not parts:
            continue
        name, readme = parts
        if not name or len(name) > 2:
            rep.error(path, n, 'class code must be 1-2 characters: %r' % name)
        if name in classes:
            rep.error(path, n, 'class %s listed twice' % name)
        check_text(rep, path, n, 'class description', readme)
        classes.append(name)
    return classes


def read_questions(rep, qdir, chapters, imgdir):
    questions = {}
    threads = {}
    files = sorted(f for f in os.listdir(qdir) if f.endswith('.txt'))
    if not files:
        rep.error(qdir, None, 'no question files')
    for fname in files:
        path = os.path.join(qdir, fname)
        cur = None
        blocks = []
        for n, line in content_lines(path):
            if not line:
                continue
            m = re.fullmatch(r'\[(\d+)\]', line)
            if m:
                cur = {'no': int(m.group(1)), 'line': n, 'fields': {}, 'lines': {}}
                blocks.append(cur)
                continue
            if cur is None:
                rep.error(path, n, 'line outside a question block')
                continue
            m = re.fullmatch(r'([A-Za-z]+)\s*:(.*)', line)
            if not m or m.group(1) not in QKEYS:
                rep.error(path, n, 'not a known "key: value" line')
                continue
            key, value = m.group(1), m.group(2).strip()
            if key in cur['fields']:
                rep.error(path, n, 'key %s given twice' % key)
            cur['fields'][key] = value
            cur['lines'][key] = n
        for b in blocks:
            check_question(rep, path, b, chapters, imgdir, questions, threads)
    return questions


def check_question(rep, path, b, chapters, imgdir, questions, threads):
    no, f, at = b['no'], b['fields'], b['line']
    line_of = lambda k: b['lines'].get(k, at)
    if no < 1:
        rep.error(path, at, 'question number must be 1 or more')
    if no in questions:
        rep.error(path, at, 'question %d already defined at %s' % (no, questions[no]['where']))
    qtype = f.get('type')
    if qtype not in TYPES:
        rep.error(path, line_of('type'), 'type must be tf, single or multiple')
        qtype = None
    for key in ('type', 'chapter', 'text', 'answer', 'why', 'thread'):
        if not f.get(key):
            rep.error(path, at, 'question %d: missing %s' % (no, key))
    present = [k for k in OPTS if k in f]
    if qtype == 'tf' and present:
        rep.error(path, line_of(present[0]), 'a tf question takes no options')
    if qtype in ('single', 'multiple'):
        for k in OPTS:
            if not f.get(k):
                rep.error(path, at, 'question %d: missing option %s' % (no, k))
        opts = [f.get(k) for k in OPTS if f.get(k)]
        if len(set(opts)) != len(opts):
            rep.error(path, at, 'question %d: two options are the same' % no)
    if qtype and f.get('answer'):
        reason = check_answer(qtype, f['answer'])
        if reason:
            rep.error(path, line_of('answer'), reason)
    chap = None
    if f.get('chapter'):
        m = re.fullmatch(r'(\d+)\.(\d+)', f['chapter'])
        if not m:
            rep.error(path, line_of('chapter'), 'chapter must look like 2.1')
        else:
            chap = (int(m.group(1)), int(m.group(2)))
            if chap not in chapters:
                rep.error(path, line_of('chapter'), 'chapter %s is not in chapters.txt' % f['chapter'])
    for key in TEXT_KEYS:
        if f.get(key):
            check_text(rep, path, line_of(key), key, f[key])
    thread = f.get('thread')
    if thread:
        if not thread.isdigit():
            rep.error(path, line_of('thread'), 'thread must be a number')
        elif thread in threads:
            rep.error(path, line_of('thread'), 'thread %s also used by question %d' % (thread, threads[thread]))
        else:
            threads[thread] = no
    pic = f.get('pic')
    if pic:  # an empty pic line means no picture
        if not re.fullmatch(r'tevral_\d+\.jpg', pic):
            rep.error(path, line_of('pic'), 'picture name must be tevral_<n>.jpg')
        elif not os.path.isfile(os.path.join(imgdir, pic)):
            rep.error(path, line_of('pic'), 'picture %s not found in resources/images' % pic)
    if no not in questions:
        questions[no] = {'type': qtype, 'chapter': chap, 'pic': bool(pic),
                         'where': '%s:%d' % (os.path.basename(path), at)}


def read_rules(rep, path, chapters, classes, available):
    groups = defaultdict(lambda: [0, 0, 0])
    seen = set()
    for n, line in content_lines(path):
        if not line:
            continue
        parts = split_fields(rep, path, n, line, 6)
        if not parts:
            continue
        group, fl, jfl = parts[:3]
        if not (fl.isdigit() and jfl.isdigit()):
            rep.error(path, n, 'chapter and sub-chapter must be whole numbers')
            continue
        chap = (int(fl), int(jfl))
        if (group, chap) in seen:
            rep.error(path, n, 'group %s has chapter %d.%d twice' % ((group,) + chap))
        seen.add((group, chap))
        if chap not in chapters:
            rep.error(path, n, 'chapter %d.%d is not in chapters.txt' % chap)
        if group not in classes:
            rep.warn(path, n, 'group %s is not a class in classes.txt' % group)
        for i, (qtype, count) in enumerate(zip(('single', 'tf', 'multiple'), parts[3:])):
            if count == '':
                continue
            if not count.isdigit():
                rep.error(path, n, '%s count must be a whole number' % qtype)
                continue
            c = int(count)
            groups[group][i] += c
            have = available.get((chap, qtype), 0)
            if c > have:
                rep.error(path, n, 'asks for %d %s from %d.%d, which holds %d' % ((c, qtype) + chap + (have,)))
            elif c and have < 1.5 * c:
                rep.warn(path, n, 'asks for %d %s from %d.%d, which holds only %d' % ((c, qtype) + chap + (have,)))
    for group, (s, t, m) in sorted(groups.items()):
        total = s + t + m
        if total != 100:
            rep.error(path, None, 'group %s adds up to %d, not 100' % (group, total))
    return groups


def read_sets(rep, path, questions):
    sets = {}
    name = None
    for n, line in content_lines(path):
        if not line:
            continue
        m = re.fullmatch(r'\[(.+)\]', line)
        if m:
            name = m.group(1).strip()
            if name in sets:
                rep.error(path, n, 'set %s defined twice' % name)
            check_text(rep, path, n, 'set name', name)
            sets[name] = []
            continue
        if name is None:
            rep.error(path, n, 'members before the first [set name]')
            continue
        for tok in line.split():
            if not tok.isdigit():
                rep.error(path, n, 'member %r is not a number' % tok)
                continue
            q = int(tok)
            if q not in questions:
                rep.error(path, n, 'set %s: question %d does not exist' % (name, q))
            if q in sets[name]:
                rep.error(path, n, 'set %s: question %d listed twice' % (name, q))
            sets[name].append(q)
    for p in PAPERS:
        if p not in sets:
            rep.error(path, None, 'set %s is missing' % p)
        elif len(sets[p]) != 100:
            rep.error(path, None, 'set %s has %d members, not 100' % (p, len(sets[p])))
    return sets


def read_system(rep, path, classes):
    values = {}
    for n, line in content_lines(path):
        if not line:
            continue
        m = re.fullmatch(r'(\w+)\s*:(.*)', line)
        if not m or m.group(1) not in ('frist', 'cx', 'pathname'):
            rep.error(path, n, 'expected frist, cx or pathname')
            continue
        values[m.group(1)] = m.group(2).strip()
        if m.group(1) == 'frist' and values['frist'] not in ('1', '2'):
            rep.error(path, n, 'frist must be 1 or 2')
        if m.group(1) == 'cx' and values['cx'] not in classes:
            rep.error(path, n, 'cx %s is not in classes.txt' % values['cx'])
    for key in ('frist', 'cx', 'pathname'):
        if key not in values:
            rep.error(path, None, 'missing %s' % key)


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1
                           else os.path.join(os.path.dirname(__file__), '..'))
    data = os.path.join(root, 'data')
    imgdir = os.path.join(root, 'resources', 'images')
    rep = Report(root)
    need = ['chapters.txt', 'classes.txt', 'rules.txt', 'sets.txt', 'system.txt']
    for f in need + ['questions']:
        if not os.path.exists(os.path.join(data, f)):
            rep.error(os.path.join(data, f), None, 'missing')
            return 1

    chapters = read_chapters(rep, os.path.join(data, 'chapters.txt'))
    classes = read_classes(rep, os.path.join(data, 'classes.txt'))
    questions = read_questions(rep, os.path.join(data, 'questions'), chapters, imgdir)
    available = Counter((q['chapter'], q['type']) for q in questions.values())
    groups = read_rules(rep, os.path.join(data, 'rules.txt'), chapters, classes, available)
    sets = read_sets(rep, os.path.join(data, 'sets.txt'), questions)
    read_system(rep, os.path.join(data, 'system.txt'), classes)

    kinds = Counter(q['type'] for q in questions.values())
    print('questions %d: tf %d, single %d, multiple %d; with pictures %d' % (
        len(questions), kinds['tf'], kinds['single'], kinds['multiple'],
        sum(q['pic'] for q in questions.values())))
    for group, (s, t, m) in sorted(groups.items()):
        print('group %s: single %d + tf %d + multiple %d = %d' % (group, s, t, m, s + t + m))
    print('sets: %s' % ', '.join('%s(%d)' % (k, len(v)) for k, v in sets.items()))
    print('%d error(s), %d warning(s)' % (rep.errors, rep.warnings))
    return 1 if rep.errors else 0


if __name__ == '__main__':
    sys.exit(main())
