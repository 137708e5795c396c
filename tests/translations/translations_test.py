#!/usr/bin/env python3
"""The translations are complete and up to date, and the programs speak them.

For every translations/lumaskin_XX.ts: no message is unfinished or empty, each translation
keeps its source's placeholders (%1..%9), and every text that lupdate finds in the sources is
there. Then lumaskin-convert --help and lumaskin --help under LANG=de_DE.UTF-8 print the
German of the .ts, and under LANG=C the English unchanged.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

failures = []


def fail(text):
    failures.append(text)
    print('FAIL: ' + text)


def messages(path):
    """(context, source) -> (translation text, translation element) of a .ts file."""
    found = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            found[(name, message.findtext('source'))] = message.find('translation')
    return found


def placeholders(text):
    return sorted(re.findall(r'%(\d)', text or ''))


def check_complete(path, found):
    for (context, source), translation in found.items():
        where = '%s: [%s] %r' % (os.path.basename(path), context, source[:60])
        kind = translation.get('type') if translation is not None else None
        if translation is None or kind == 'unfinished' or not (translation.text or '').strip():
            fail(where + ' is not translated')
        elif kind in ('obsolete', 'vanished'):
            fail(where + ' is no longer in the sources (run the update_translations target)')
        elif placeholders(source) != placeholders(translation.text):
            fail('%s keeps placeholders %s, the translation %s' % (
                where, placeholders(source), placeholders(translation.text)))


def check_up_to_date(lupdate, root, folders, committed):
    with tempfile.TemporaryDirectory() as temporary:
        fresh = os.path.join(temporary, 'fresh.ts')
        run = subprocess.run([lupdate, '-silent', '-no-obsolete', '-locations', 'none', '-I', '.',
                              '-extensions', 'cpp,h'] + folders + ['-ts', fresh],
                             cwd=root, capture_output=True, text=True)
        if run.returncode != 0:
            fail('lupdate failed: ' + run.stderr)
            return
        texts = messages(fresh)
    if len(texts) < 100:
        fail('lupdate found only %d texts in the sources' % len(texts))
    for path, found in committed.items():
        missing = [key for key in texts if key not in found]
        for context, source in missing[:20]:
            fail('%s lacks [%s] %r (run the update_translations target and translate it)' % (
                os.path.basename(path), context, source[:60]))
        print('%s: %d of the %d texts in the sources' % (
            os.path.basename(path), len(texts) - len(missing), len(texts)))


def run_in(language, command):
    env = {k: v for k, v in os.environ.items()
           if k not in ('LANGUAGE', 'LC_ALL', 'LC_MESSAGES')}
    env['LANG'] = language
    env.pop('DISPLAY', None)
    env.pop('WAYLAND_DISPLAY', None)
    run = subprocess.run(command, env=env, capture_output=True, timeout=60)
    return run.stdout.decode('utf-8', 'replace')


def check_spoken(german, program, context, prefix):
    """The program's --help begins with the .ts's German under de_DE, the English under C."""
    source = next((s for (c, s) in german if c == context and s.startswith(prefix)), None)
    if source is None:
        fail('no [%s] text starting %r in the German translation' % (context, prefix))
        return
    english_line = source.split('\n')[0]
    german_line = german[(context, source)].text.split('\n')[0]
    if english_line == german_line:
        fail('the German of %r is the English' % english_line)
    shown = run_in('de_DE.UTF-8', [program, '--help'])
    if german_line not in shown.split('\n'):
        fail('%s --help under LANG=de_DE.UTF-8 lacks %r:\n%s' % (program, german_line, shown[:300]))
    shown = run_in('C', [program, '--help'])
    if not shown.startswith(source):
        fail('%s --help under LANG=C is not the English text:\n%s' % (program, shown[:300]))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--root', required=True)
    parser.add_argument('--lupdate', default='')
    parser.add_argument('--folders', required=True, help='source folders, separated by commas')
    parser.add_argument('--convert', required=True)
    parser.add_argument('--lumaskin', required=True)
    args = parser.parse_args()

    folder = os.path.join(args.root, 'translations')
    paths = sorted(os.path.join(folder, name) for name in os.listdir(folder)
                   if re.fullmatch(r'lumaskin_\w+\.ts', name))
    if not any(p.endswith('lumaskin_de.ts') for p in paths):
        fail('translations/lumaskin_de.ts is missing')
    committed = {path: messages(path) for path in paths}
    for path, found in committed.items():
        check_complete(path, found)
        print('%s: %d messages' % (os.path.basename(path), len(found)))

    if args.lupdate and os.access(args.lupdate, os.X_OK):
        check_up_to_date(args.lupdate, args.root, args.folders.split(','), committed)
    else:
        print('SKIPPED: lupdate is missing (Debian\'s qt6-l10n-tools), so whether the .ts files '
              'are up to date with the sources is not checked')

    german = next((found for path, found in committed.items()
                   if path.endswith('lumaskin_de.ts')), None)
    if german is not None:
        check_spoken(german, args.convert, 'ConvertOptions', 'Usage: lumaskin-convert')
        check_spoken(german, args.lumaskin, 'CommandLine', 'Usage: lumaskin ')

    print('%d failed' % len(failures) if failures else 'all translation checks passed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
