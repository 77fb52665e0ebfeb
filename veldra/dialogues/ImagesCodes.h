#pragma once

#include <QIcon>

// The pictures of the receptivity dialog's code buttons, 32 × 32, drawn by
// the program at 100 % and 200 %: 250 a letter under an overbar (negation),
// 251 an arrow pointing up (rising edge), 252 an arrow pointing down
// (falling edge). A null icon for any other id.
QIcon ImageCode(int id);
