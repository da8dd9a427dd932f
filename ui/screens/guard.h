#pragma once
// The composing commands guard every step: a step that fails prints
// "napaka" where the drawing stands and the command goes on. A later step
// that draws the poem anew would erase the word, so it is printed again
// after that drawing: a failure must never look like success.

#include "surface.h"

#include <string_view>

namespace zoravina {

inline constexpr std::string_view kFaultWord = "napaka";
inline constexpr Colour kFaultColour = rgb(255, 64, 64);

class Guard {
public:
    explicit Guard(Surface& surface) : surface_(surface) {}

    template <class Step>
    void step(Step&& run)
    {
        try {
            run();
        } catch (...) {
            faulted_ = true;
            print();
        }
    }

    // A step that clears the drawing and draws it anew.
    template <class Step>
    void drawing(Step&& run)
    {
        const bool faultedBefore = faulted_;
        step(run);
        if (faultedBefore)
            print();
    }

    bool faulted() const { return faulted_; }

private:
    void print()
    {
        try {
            surface_.setColour(kFaultColour);
            surface_.print(kFaultWord);
        } catch (...) {
        }
    }

    Surface& surface_;
    bool faulted_ = false;
};

} // namespace zoravina
