#include "console/io/print.h"

#include <iostream>

namespace {
TextColour inForce = TextColour::Normal;
char lastSaid = '\n';
}

void colour(TextColour textColour) {
    inForce = textColour;
    setTextColour(textColour);
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
