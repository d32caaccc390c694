// The hero's name as the story prints it: the stored bytes, except that
// nothing in it can drive the terminal.
#pragma once

#include <string>
#include <string_view>

// `name` with every C0 control character and DEL shown as its Unicode
// control picture (ESC as "␛", BEL as "␇", DEL as "␡"), and every C1 control
// and every byte that is not part of well-formed UTF-8 shown as "�". Other
// text, umlauts included, is kept byte for byte.
std::string visibleName(std::string_view name);

// Prints `game.playerName` through visibleName in the colour in force.
void sayName();
