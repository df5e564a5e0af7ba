#!/usr/bin/env python3
"""coverage_by_test.py: what each test of the native suite reaches on its own.

Every gtest case (and every test that is a script) of the coverage preset runs
alone from zeroed counters; gcov's JSON gives the project lines and taken
branches it reached (tests/, bench/ and fuzz/ left out). Printed: the cases
whose removal would keep every line and branch reached by the rest, chosen
greedily from the longest, with their place in the source; then the cases
that reach least of their own. The fuzz targets' corpus replays run but are
not counted as reaching anything: they assert no rule. Only a place to start
looking: a case that reaches nothing of its own may still be the only one
that asserts its rule. Run scripts/coverage.sh first, for the build.
"""
import collections
import glob
import json
import os
import re
import subprocess
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..'))
BUILD = os.path.join(ROOT, 'build', 'coverage')
NOT_CODE = ('tests/', 'bench/', 'fuzz/', 'build/')


def counters():
    return glob.glob(BUILD + '/**/*.gcda', recursive=True)


def reached():
    """The lines and taken branches of the project's code since the counters
    were last removed."""
    files = [p for p in counters() if not re.search(r'/(tests|fuzz|bench)/', p[len(BUILD):])]
    lines, branches = set(), set()
    if not files:
        return lines, branches
    out = subprocess.run(['gcov', '--json-format', '--stdout', '-b'] + files, cwd=BUILD,
                         capture_output=True, text=True).stdout
    for document in filter(str.strip, out.splitlines()):
        for source in json.loads(document)['files']:
            name = os.path.relpath(os.path.join(BUILD, source['file']), ROOT)
            if name.startswith(NOT_CODE) or name.startswith('..'):
                continue
            for line in source['lines']:
                if line['count'] > 0:
                    lines.add(f"{name}:{line['line_number']}")
                for i, branch in enumerate(line['branches']):
                    if branch['count'] > 0 and not branch['throw']:
                        branches.add(f"{name}:{line['line_number']}:{i}")
    return lines, branches


def units():
    """(name, command, working directory) of every case or script test."""
    listing = subprocess.run(['ctest', '--preset', 'coverage', '--show-only=json-v1'], cwd=ROOT,
                             capture_output=True, text=True, check=True).stdout
    for test in json.loads(listing)['tests']:
        command = test['command']
        directory = next(p['value'] for p in test['properties']
                         if p['name'] == 'WORKING_DIRECTORY')
        if not command[0].endswith('_tests'):
            yield test['name'], command, directory
            continue
        cases = subprocess.run([command[0], '--gtest_list_tests'], capture_output=True,
                               text=True).stdout
        suite = ''
        for line in cases.splitlines():
            if not line.startswith(' '):
                suite = line.split('#')[0].strip()
            else:
                case = suite + line.split('#')[0].strip()
                yield case, command + ['--gtest_filter=' + case], directory


def source_places():
    """Where each TEST block stands: (suite, name) -> (file, line, length)."""
    places = {}
    for path in glob.glob(ROOT + '/tests/**/*.cpp', recursive=True):
        text = open(path, encoding='utf-8').read().split('\n')
        starts = [i for i, l in enumerate(text) if re.match(r'TEST(_F|_P)?\(', l)]
        for k, i in enumerate(starts):
            header = ' '.join(text[i:i + 2])
            match = re.match(r'TEST(?:_F|_P)?\(\s*(\w+),\s*(\w+)\)', header)
            if match:
                end = starts[k + 1] if k + 1 < len(starts) else len(text)
                places[match.groups()] = (os.path.relpath(path, ROOT), i + 1, end - i)
    return places


def place_of(name, places):
    for part in name.split('/'):
        if '.' in part:
            suite, case = part.split('.', 1)
            if (suite, case) in places:
                return places[(suite, case)]
    return (name, 0, 0)


def main():
    results = []
    for name, command, directory in units():
        for path in counters():
            os.remove(path)
        status = subprocess.run(command, cwd=directory, capture_output=True).returncode
        lines, branches = reached()
        if status != 0:
            print(f'{name}: failed, status {status}', file=sys.stderr)
        if not name.startswith('fuzz_'):
            results.append((name, lines, branches))
        print(f'{name}: {len(lines)} lines, {len(branches)} branches', file=sys.stderr)

    # Parameterised instances share their source block: one entry each.
    places = source_places()
    grouped = collections.defaultdict(lambda: [collections.Counter(), collections.Counter()])
    for name, lines, branches in results:
        entry = grouped[place_of(name, places)]
        entry[0].update(lines)
        entry[1].update(branches)
    line_count, branch_count = collections.Counter(), collections.Counter()
    for lines, branches in grouped.values():
        line_count.update(lines)
        branch_count.update(branches)

    def own(entry):
        return (sum(1 for l, n in entry[0].items() if line_count[l] == n) +
                sum(1 for b, n in entry[1].items() if branch_count[b] == n))

    owned = {place: own(entry) for place, entry in grouped.items()}
    least = sorted(owned.items(), key=lambda item: (item[1], -item[0][2]))
    print('# Cases whose removal keeps every line and branch reached, longest first')
    total = 0
    for place, (lines, branches) in sorted(grouped.items(), key=lambda item: -item[0][2]):
        if place[2] and all(line_count[l] > n for l, n in lines.items()) and \
                all(branch_count[b] > n for b, n in branches.items()):
            line_count.subtract(lines)
            branch_count.subtract(branches)
            total += place[2]
            print(f'{place[0]}:{place[1]} ({place[2]} lines)')
    print(f'# {total} lines of such cases')
    print('# Least reached of their own (lines and branches), then the case')
    for place, count in least[:40]:
        print(f'{count:5} {place[0]}:{place[1]} ({place[2]} lines)')


if __name__ == '__main__':
    main()
