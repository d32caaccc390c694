#!/usr/bin/env python3
"""Plays hulgor.exe under Wine in a real console: a tmux window of 80x24,
where Wine's console host draws into a pseudo-terminal. Answers every prompt
from the screen alone (paging prompts, key waits, choices), to the end of
the content; the story's first paging prompt with the next choice's number,
which must then begin that choice's line, and checks what a player sees: no crash, umlauts right,
colours, the end reached. One sound file is missing: its error line must
reach standard error, and the game go on.

    windows_console_play.py WINE EXE FOLDER SOUNDS_DIR
"""
import os, shutil, subprocess, sys, time

wine, exe, folder, sounds = sys.argv[1:5]
os.makedirs(folder, exist_ok=True)
for sound in os.listdir(sounds):
    if sound.endswith('.wav') and sound != 'erfolg.wav':
        shutil.copy(os.path.join(sounds, sound), folder)
session = 'hulgor-console-%d' % os.getpid()
tmux = lambda *args: subprocess.run(['tmux', *args], capture_output=True, text=True).stdout
tmux('new-session', '-d', '-s', session, '-x', '80', '-y', '24', '-c', folder,
     f"'{wine}' '{exe}' 2>stderr.txt; echo EXIT=$?; sleep 600")
answers = ['1', 'Jörg', '1', '2', '1', '1', '2', '3', '1', '1', '2']
choice_ends = ('eingibst:', 'Beenden', 'beenden', 'ein:', 'Schweigen', 'Kanalisation', 'vorstellen', 'auszuweichen')
screens, failures = [], []
kept = None  # the answer typed at the paging prompt, until its Enter
try:
    for _ in range(300):
        time.sleep(0.5)
        screen = tmux('capture-pane', '-t', session, '-p', '-e')
        plain = tmux('capture-pane', '-t', session, '-p')
        screens.append(screen)
        lines = [line.rstrip() for line in plain.split('\n') if line.strip()]
        last = lines[-1] if lines else ''
        if 'EXIT=' in plain:
            break
        if '[weiter' in last and kept is None and answers and not answers[0].isalpha() and 'Jörg' not in answers:
            # The first paging prompt of the story is answered with the next
            # choice's number: it pages on and begins that answer's line.
            kept = answers.pop(0)
            tmux('send-keys', '-t', session, kept)
        elif '[weiter' in last or 'Taste' in last:
            tmux('send-keys', '-t', session, 'Space')
        elif kept and last == kept and len(lines) > 1 and lines[-2].endswith(choice_ends):
            tmux('send-keys', '-t', session, 'Enter')  # the kept number begins the answer's line
            kept = ''
        elif last.endswith(choice_ends) and answers:
            tmux('send-keys', '-t', session, answers.pop(0), 'Enter')
    seen = ''.join(screens)
    stderr = open(os.path.join(folder, 'stderr.txt'), encoding='utf-8', errors='replace').read()
    checks = [
        ('EXIT=0' in seen, 'the game did not end with status 0'),
        (not any(crash in seen + stderr for crash in ('Unhandled page fault', 'Unhandled exception')),
         'Wine reports a crash'),
        ('Jörg!' in seen and 'Aktuell endet die Reise hier.' in seen, 'the end of content with the name not reached'),
        ('Ã' not in seen, 'umlauts garbled'),
        ('\x1b[' in seen and 'Gib deinen Namen ein:' in seen, 'no colours on screen'),
        (not answers, f'answers left over: {answers}'),
        (stderr.count('Fehler: Konnte Sound nicht abspielen. Prüfen Sie den Dateipfad.') == 1,
         'the missing erfolg.wav was not reported once: ' + stderr[-300:]),
        (open(os.path.join(folder, 'name.txt'), 'rb').read() == 'Jörg\r\n'.encode(), 'name.txt is not the name typed'),
    ]
    checks.append((kept == '', 'no paging prompt of the story was answered with a number'))
    failures += [why for ok, why in checks if not ok]
finally:
    tmux('kill-session', '-t', session)
print('\n'.join(['console game under Wine: ' + ('ok' if not failures else 'FAILED')] + failures))
if failures:
    print(screens[-1] if screens else '(no screen)')
    print(stderr[-2000:])
sys.exit(1 if failures else 0)
