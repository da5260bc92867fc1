#pragma once

// The analysis the composition cases search for: a stainless steel of the generated data, then its
// usual companions. Each "inside" range lies within that steel's ranges, so that every inside search
// finds it (and the few steels like it); each "outside" range is wide.

namespace bench {

struct Range {
    const char* element;
    const char* low; // inside: the steel's range holds low..high; outside: it lies within wideLow..wideHigh
    const char* high;
    const char* wideLow;
    const char* wideHigh;
};

inline constexpr Range kRanges[] = {{"Cr", "19", "19.1", "10", "26"}, {"Ni", "9.8", "9.9", "0", "30"},
                                    {"Mo", "3.1", "3.2", "0", "5"},   {"C", "0.9", "0.9", "0", "1"},
                                    {"Si", "0.2", "0.3", "0", "2"},   {"Mn", "1.2", "1.3", "0", "3"},
                                    {"P", "0", "0", "0", "0.1"},      {"S", "0", "0", "0", "0.1"}};

} // namespace bench
