#pragma once
// The host's debug lines on the standard output; a scripted front end may silence them.
void HostDebug(const char* format, ...) __attribute__((format(printf, 1, 2)));
void HostDebugQuiet(bool quiet);
