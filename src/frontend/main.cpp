#include <exception>
#include <iostream>

#include "frontend/entry_point.h"

int main() {
    try {
        return runEntryPoint();
    } catch (const std::exception& error) {
        std::cerr << "Fehler: " << error.what() << '\n';
        return 1;
    }
}
