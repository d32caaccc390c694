// The console operations on the Windows console: kernel32 for full screen,
// font and colour, winmm for sound, and the C runtime for shell commands,
// single-key reads and the end of the process.
#include "console/console.h"
#include "console/io/console_messages.h"
#include "console/io/console_steps.h"
#include "console/io/console_streams.h"
#include "console/io/display_options.h"
#include "console/io/plain_marks.h"
#include "console/io/transcript.h"
#include "console/layout/line_wrap.h"
#include "console/layout/utf8.h"
#include "console/layout/visible_text.h"
#include "console/sound/sound_file.h"
#include "console/sound/sound_player.h"

#include <windows.h>
#include <mmsystem.h>
#include <conio.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// The console expects the record size in cbSize: 84 bytes on every Windows ABI.
static_assert(sizeof(CONSOLE_FONT_INFOEX) == 84, "unexpected CONSOLE_FONT_INFOEX layout");

namespace {
// Standard output or error on a console window: the C runtime would hand the
// console UTF-8 byte by byte, which garbles every umlaut, so the text goes
// through WriteConsoleW as UTF-16. A character cut off at the end of a
// write waits for the next one.
class WideConsoleBuffer : public std::streambuf {
public:
    explicit WideConsoleBuffer(HANDLE console) : console_(console) {}

protected:
    int_type overflow(int_type byte) override {
        if (traits_type::eq_int_type(byte, traits_type::eof())) return traits_type::not_eof(byte);
        char c = traits_type::to_char_type(byte);
        xsputn(&c, 1);
        return byte;
    }
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        cutOff_.append(bytes, static_cast<std::size_t>(count));
        std::size_t whole = lengthWithoutCutOffEnd(cutOff_);
        const int length = static_cast<int>(whole);
        const int units = MultiByteToWideChar(CP_UTF8, 0, cutOff_.data(), length, nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(units), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, cutOff_.data(), length, wide.data(), units);
        for (DWORD done = 0, written = 0; done < wide.size(); done += written) {
            if (!WriteConsoleW(console_, wide.data() + done, static_cast<DWORD>(wide.size() - done), &written,
                               nullptr) || written == 0) {
                break;
            }
        }
        cutOff_.erase(0, whole);
        return count;
    }

private:
    HANDLE console_;
    std::string cutOff_;
};

bool isConsole(DWORD handle) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(handle), &mode) != 0;
}

CONSOLE_SCREEN_BUFFER_INFO windowInfo() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) info = {};
    return info;
}

// The console's keyboard, whatever standard input is redirected to; a
// process started without a console (piped, detached) has none.
HANDLE openConsoleInput() {
    return CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

// Takes every input event waiting in the console's queue.
std::vector<INPUT_RECORD> takeWaitingInput(HANDLE input) {
    DWORD count = 0, got = 0;
    std::vector<INPUT_RECORD> typed;
    if (GetNumberOfConsoleInputEvents(input, &count) && count > 0) {
        typed.resize(count);
        if (!ReadConsoleInputW(input, typed.data(), count, &got)) got = 0;
        typed.resize(got);
    }
    return typed;
}

// Waits for a key pressed from now on: the keys typed before are set aside
// and put back afterwards, in their order, for the game's next reads. Gives
// the character of the key pressed (0 for a key without one).
wchar_t waitForFreshKey() {
    HANDLE input = openConsoleInput();
    if (input == INVALID_HANDLE_VALUE) return 0;
    const std::vector<INPUT_RECORD> typed = takeWaitingInput(input);
    DWORD got = 0;
    wchar_t pressed = 0;
    for (INPUT_RECORD record{}; ReadConsoleInputW(input, &record, 1, &got) && got == 1;) {
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) {
            pressed = record.Event.KeyEvent.uChar.UnicodeChar;
            break;
        }
    }
    if (!typed.empty()) WriteConsoleInputW(input, typed.data(), static_cast<DWORD>(typed.size()), &got);
    CloseHandle(input);
    return pressed;
}

// A key pressed at the paging prompt that can begin an answer (no blank, no
// control): it pages on and begins the next line read, where it is typed
// into the console's input, so it shows and can be erased there. Key waits
// never see it.
std::wstring keptForLine;

void typeKeptKeys() {
    if (keptForLine.empty()) return;
    HANDLE input = openConsoleInput();
    if (input == INVALID_HANDLE_VALUE) return;
    std::vector<INPUT_RECORD> keys;
    for (wchar_t key : keptForLine) {
        INPUT_RECORD record{};
        record.EventType = KEY_EVENT;
        record.Event.KeyEvent.wRepeatCount = 1;
        record.Event.KeyEvent.uChar.UnicodeChar = key;
        record.Event.KeyEvent.bKeyDown = TRUE;
        keys.push_back(record);
        record.Event.KeyEvent.bKeyDown = FALSE;
        keys.push_back(record);
    }
    keptForLine.clear();
    // Before what was typed ahead: the kept key was pressed after it, but it
    // begins the line the player answers with.
    const std::vector<INPUT_RECORD> typed = takeWaitingInput(input);
    keys.insert(keys.end(), typed.begin(), typed.end());
    DWORD got = 0;
    WriteConsoleInputW(input, keys.data(), static_cast<DWORD>(keys.size()), &got);
    CloseHandle(input);
}

// The paging prompt in the normal colour, erased after the key; the colour
// in force is set again.
void showMore() {
    const CONSOLE_SCREEN_BUFFER_INFO window = windowInfo();
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (coloursShown()) SetConsoleTextAttribute(output, static_cast<WORD>(TextColour::Normal));
    const std::string_view prompt = morePromptFor(static_cast<std::size_t>(window.srWindow.Right - window.srWindow.Left));
    std::fwrite(prompt.data(), 1, prompt.size(), stdout);
    std::fflush(stdout);
    const wchar_t key = waitForFreshKey();
    const bool surrogate = key >= 0xD800 && key <= 0xDFFF;  // half a character: nothing to keep
    if (!surrogate && beginsAnswer(static_cast<char32_t>(key))) keptForLine += key;
    const std::string erase = promptEraser(prompt);
    std::fwrite(erase.data(), 1, erase.size(), stdout);
    std::fflush(stdout);
    SetConsoleTextAttribute(output, window.wAttributes);
}

// On a console window text is wrapped at blanks to the window's width and
// paged to its height; a file or pipe gets it unchanged. One column is kept
// free: the console moves on to the next line as soon as the last column is
// written, so a line that filled it would be followed by an empty one.
const OutputLayout consoleLayout = [] {
    PlatformStreams streams;
    // Both buffers live until the process ends.
    if (isConsole(STD_ERROR_HANDLE)) streams.errors = new WideConsoleBuffer(GetStdHandle(STD_ERROR_HANDLE));
    if (isConsole(STD_OUTPUT_HANDLE)) {
        streams.output = new WideConsoleBuffer(GetStdHandle(STD_OUTPUT_HANDLE));
        streams.outputIsWindow = true;
        streams.columns = []() -> std::size_t {
            const SMALL_RECT window = windowInfo().srWindow;
            int columns = window.Right - window.Left + 1;
            return columns > 1 ? static_cast<std::size_t>(columns - 1) : 0;
        };
        streams.rows = []() -> std::size_t {
            const SMALL_RECT window = windowInfo().srWindow;
            int rows = window.Bottom - window.Top + 1;
            return rows > 0 ? static_cast<std::size_t>(rows) : 0;
        };
        streams.showMore = showMore;
    }
    return installConsoleStreams(streams);
}();
// Whether standard output is a console window (wrapped and paged).
const bool outputIsConsole = consoleLayout.wrap != nullptr;

// The cursor is in the first column and the player has read the screen (it
// was cleared, or a line was entered).
void startLineAfresh() {
    consoleLayout.wrap->lineStarted();
    consoleLayout.pager->seen();
}
}  // namespace

void enterFullScreen() {
    if (GetConsoleWindow() == nullptr) {
        std::cerr << consoleMessages().noConsoleWindow;
        return;
    }
    // The switch is refused on many modern consoles; the game looks the same
    // either way, so the result is deliberately not examined.
    SetConsoleDisplayMode(GetStdHandle(STD_OUTPUT_HANDLE), CONSOLE_FULLSCREEN_MODE, nullptr);
}

void setFontHeight(std::int16_t height) {
    HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
    if (handle == INVALID_HANDLE_VALUE) {
        std::cerr << consoleMessages().noConsoleHandle;
        return;
    }

    CONSOLE_FONT_INFOEX info{};
    info.cbSize = sizeof(info);
    // FALSE: the font of the current window, not of the maximised one.
    if (!GetCurrentConsoleFontEx(handle, FALSE, &info)) {
        std::cerr << consoleMessages().noFontInfo;
        return;
    }

    // A console with no font of its own (a console host inside a Unix
    // terminal, under Wine) has none to change; asking it to would bring the
    // host down, and the game with it.
    if (info.dwFontSize.Y == 0) return;

    // Font index, family and weight stay as read; width 0 lets the console
    // derive the cell width from the height.
    info.dwFontSize.X = 0;
    info.dwFontSize.Y = height;
    std::wcsncpy(info.FaceName, L"Consolas", LF_FACESIZE);

    if (!SetCurrentConsoleFontEx(handle, FALSE, &info)) {
        std::cerr << consoleMessages().noFontSize;
    }
}

void selectUtf8CodePage() {
    // All game text is stored as UTF-8; code page 65001 makes the console
    // show umlauts and ß as such. The exit status is of no interest.
    std::cout.flush();
    std::system("chcp 65001 > nul");
}

// Not every runtime knows "de_DE.UTF-8" (the mingw runtime, for one, only
// accepts "C" and the user's default): the shared fallback takes over.
void setGermanLocale() { useGermanLocaleWhereKnown(); }

void setTextColour(TextColour colour) {
    // The attribute applies to whatever reaches the console after it is set,
    // so text still in the stream buffer must go out in the old colour first.
    std::cout.flush();
    if (coloursShown()) SetConsoleTextAttribute(GetStdHandle(STD_OUTPUT_HANDLE), static_cast<WORD>(colour));
}

void clearScreen() {
    const bool shownAsRule = clearShownAsRule();
    std::cout.flush();
    if (shownAsRule) return;
    // Redirected to a file or pipe, cls would write a form feed into the
    // game's output; only a console screen is cleared.
    if (!outputIsConsole) return;
    transcribeScreenCleared();
    // The window's rows move up into the scrollback as empty lines follow
    // them, and the cursor goes to the top of the now empty window: the
    // player can still scroll back, where cls would wipe the whole buffer.
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const CONSOLE_SCREEN_BUFFER_INFO before = windowInfo();
    const DWORD rows = static_cast<DWORD>(before.srWindow.Bottom - before.srWindow.Top + 1);
    const std::wstring lineEnds(rows, L'\n');
    DWORD written = 0;
    WriteConsoleW(output, lineEnds.data(), rows, &written, nullptr);
    SetConsoleCursorPosition(output, COORD{0, windowInfo().srWindow.Top});
    startLineAfresh();
}

namespace {
// Whether the process has a console keyboard. _getch reads it through
// CONIN$, whatever standard input is redirected to; a process started
// without a console (piped, detached) has none.
bool hasConsoleKeyboard() {
    HANDLE input = openConsoleInput();
    if (input == INVALID_HANDLE_VALUE) return false;
    DWORD mode = 0;
    const bool console = GetConsoleMode(input, &mode) != 0;
    CloseHandle(input);
    return console;
}
}  // namespace

void waitForKey() {
    // The prompt must be on screen before the wait starts.
    std::cout.flush();
    // With no keyboard to wait for, the wait ends at once and the game goes on.
    if (!hasConsoleKeyboard()) return;
    int key = _getch();
    // Arrow and function keys arrive as a prefix (0 or 0xE0) and a second
    // code; read both so the one key press is consumed whole and the second
    // half does not satisfy the next wait. A failed read gives EOF (-1).
    if (key == 0 || key == 0xE0) {
        _getch();
    }
    if (outputIsConsole) consoleLayout.pager->seen();
}

// Sleep can return early; the shared pause keeps sleeping, rounded up to
// whole milliseconds, until the deadline on the monotonic clock has passed.
void pauseMs(std::int64_t milliseconds) {
    pauseOnSteadyClock(milliseconds, [](std::chrono::milliseconds span) { std::this_thread::sleep_for(span); });
}

// The folder of hulgor.exe: the sounds unpacked beside it are found from
// any working folder.
static std::filesystem::path exeFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return length == 0 ? std::filesystem::path() : std::filesystem::path(path).parent_path();
}

SoundSearch soundSearch() { return {.plays = true, .besideProgram = true, .installed = {}}; }

void playSound(const std::string& fileName) {
    if (!displayOptions().sound) return;
    static const std::filesystem::path installed = exeFolder();
    const std::wstring wideName = soundFile(fileName, installed).wstring();

    // PlaySoundW reports success for a file that is not there (and plays the
    // system's default sound instead), so a missing file is caught first.
    // Asynchronous, not looped; a sound still playing is replaced by this one.
    const DWORD attributes = GetFileAttributesW(wideName.c_str());
    const bool regularFile = attributes != INVALID_FILE_ATTRIBUTES &&
                             (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
    if (!regularFile || !PlaySoundW(wideName.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT)) {
        std::cerr << consoleMessages().soundFailed;
    }
}

void quitProgram() {
    std::cout << consoleMessages().quit;
    // exit runs static destructors and flushes the standard streams.
    std::exit(0);
}

WindowSize windowSize() {
    if (!outputIsConsole) return {};
    return {consoleLayout.wrap->width(), consoleLayout.pager->height()};
}

// The Windows console echoes and edits typed lines on its own while standard
// input is read, and _getch takes keys without echo, so there is no keyboard
// mode to switch around a line read; only a key kept at the paging prompt is
// typed in first.
void beginLineInput() { typeKeptKeys(); }

void endLineInput() {
    // The player's Enter was echoed: the cursor is back in the first column.
    if (outputIsConsole) startLineAfresh();
}
