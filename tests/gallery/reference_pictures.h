// The gallery's reference pictures: each state of a window, as the learner
// sees it, against the picture kept under tests/gallery/reference/.
#pragma once

#include <QImage>

#include <string>
#include <vector>

struct Comparison {
    bool matches = false; // the same as the reference, or now made the reference
    std::string note;     // what differs and what was written; empty when the same
};

// Compares the picture of a state with reference/NAME.png pixel for pixel.
// When they differ (a missing reference differs from every picture),
// NAME.new.png (the picture now) and NAME.diff.png (the differing pixels in
// red over the faded reference) are written beside the reference; when they
// are the same, those two are removed.
//
// With GALLERY_ACCEPT set in the environment ("1" for every state, or the
// names of the states, separated by commas), a picture that differs becomes
// the reference instead, and the note says so.
Comparison CompareWithReference(const std::string &name, const QImage &picture);

// What a newcomer needs to know once some states have differed: where the
// new and the difference pictures are, when a new picture may become the
// reference, and what a difference in nearly every picture means. Empty
// when none differed.
std::string AdviceOnDifferences(const std::vector<std::string> &differing, size_t states);
