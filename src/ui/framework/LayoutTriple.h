#pragma once
// The three dialog templates of one screen: portrait, landscape and square (0 = none). They
// carry the same controls with the same ids in the same order; only positions differ.

struct LayoutTriple {
    int portrait = 0;
    int landscape = 0;
    int square = 0;
};
