#include "console/print.h"

#include <iostream>

namespace {
TextColour inForce = TextColour::Normal;
}

void colour(TextColour textColour) {
    inForce = textColour;
    setTextColour(textColour);
}

TextColour colourInForce() { return inForce; }

void say(std::string_view text) { std::cout << text; }

void sayLine(std::string_view text) { std::cout << text << std::endl; }

void lineEnds(int count) {
    for (int i = 0; i < count; ++i) std::cout << std::endl;
}
