#pragma once
// Operations on names in place: counting a name up ("+1" of the text editor), trimming trailing
// blanks and dropping the first character.
#include <cstdint>

// Counts the name up: the last letter becomes the next one ('Z' and 'z' stay), or the number that
// ends the name grows by one, keeping its width when it is written with leading zeros (TAKE09 gives
// TAKE10). A name already max characters long gives up its first character for a carry (SCENE99
// gives CENE100 with max 7). An empty text becomes "1". The text must have room for max characters
// and the terminating zero.
void UITextIncrement(char* text, std::uint32_t max);

// Removes trailing blanks, but never the first character.
void UITextTrimRight(char* text);

// Removes the first character; at most 200 characters are moved.
void UITextDropFirst(char* text);
