#pragma once
// The PC key a character is typed with on a US keyboard, as the virtual-key code a desktop's key
// events carry: letters their capital, digits and the blank themselves, the other characters the
// digit or punctuation key under them.
int VirtualKeyOfChar(char c);
