// The console floor shows a few lines itself but never reads the script:
// the game hands it their texts, in the language chosen, as it starts.
#include "console/io/console_messages.h"
#include "story/passages.h"
#include "story/script.h"

namespace text = passages::messages;

void fillConsoleMessages() {
    ConsoleMessages& messages = consoleMessages();
    messages.morePrompt = textOf(text::more_prompt);
    messages.shortMorePrompt = textOf(text::short_more_prompt);
    messages.plainOptionMark = textOf(text::plain_option_mark);
    messages.speechOpens = textOf(text::speech_opens);
    messages.speechCloses = textOf(text::speech_closes);
    messages.innerSpeechOpens = textOf(text::inner_speech_opens);
    messages.innerSpeechCloses = textOf(text::inner_speech_closes);
    messages.commaAfterClosingMark = storyLanguage() == Language::German;
    messages.invalidInput = textOf(text::invalid_input);
    messages.quit = textOf(text::quit);
    messages.noConsoleWindow = textOf(text::no_console_window);
    messages.soundFailed = textOf(text::sound_failed);
    messages.transcriptBroken = textOf(text::transcript_broken);
    messages.noConsoleHandle = textOf(text::no_console_handle);
    messages.noFontInfo = textOf(text::no_font_info);
    messages.noFontSize = textOf(text::no_font_size);
}
