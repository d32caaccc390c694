#include "console/print.h"

#include <iostream>

void colour(TextColour textColour) { setTextColour(textColour); }

void say(std::string_view text) { std::cout << text; }

void sayLine(std::string_view text) { std::cout << text << std::endl; }

void lineEnds(int count) {
    for (int i = 0; i < count; ++i) std::cout << std::endl;
}
