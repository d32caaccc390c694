@echo off
rem Hulgor the Barbarian in English, started in this folder: the game
rem finds its sounds here and keeps the saved game here.
cd /d "%~dp0"
hulgor.exe --lang en
