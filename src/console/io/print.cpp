#include "console/io/print.h"

#include <iostream>

#include "console/io/plain_marks.h"

namespace {
TextColour inForce = TextColour::Normal;
char lastSaid = '\n';
}

void setColourInForce(TextColour textColour) {
    inForce = textColour;
    passColour(textColour);
}

TextColour colourInForce() { return inForce; }

void say(std::string_view text) {
    if (!text.empty()) lastSaid = text.back();
    std::cout << text;
}

void sayLine(std::string_view text) {
    lastSaid = '\n';
    std::cout << text << std::endl;
}

void lineEnds(int count) {
    if (count > 0) lastSaid = '\n';
    for (int i = 0; i < count; ++i) std::cout << std::endl;
}

char lastByteSaid() { return lastSaid; }
