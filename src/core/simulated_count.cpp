#include "core/simulated_count.h"

namespace kolven {

namespace {

enum class Origin { Plain, Sum, HalfSum, Difference };

Origin originOf(const std::string& code)
{
    if (code == "ASSOCIATIONS1")
        return Origin::Sum;
    if (code == "ASSOCIATIONS2")
        return Origin::HalfSum;
    if (code == "ASSOCIATIONS3")
        return Origin::Difference;
    return Origin::Plain;
}

// More values than any count of at most 240 can need, retries included:
// past them the count is above the limit, or the stream cannot end it. A
// source that gives its values slowly is asked every so many values whether
// the count has gone on too long.
constexpr long kMostReadsPerCount = 1'000'000;
constexpr long kReadsBetweenTimeChecks = 1024;
constexpr int kLargestCount = 32767;

std::int16_t narrow(int count)
{
    return static_cast<std::int16_t>(count < kLargestCount ? count : kLargestCount);
}

}  // namespace

std::int16_t simulatedCount(IntervalSource& source, float TEMPS_S, CountWalk walk)
{
    const Origin origin = originOf(walk.DONNEES_T);
    // An associated value is made over a window twice as long: the sum of two
    // successive counts is the count of the window that spans both.
    float W = origin == Origin::Plain ? TEMPS_S : TEMPS_S + TEMPS_S;
    float& B_S = walk.B_S;
    long reads = 0;
    int NC = 0;
    bool secondPhase = false;
    // The value the count would give if its window closed now, when it is
    // already sure to be above the limit.
    auto valueAboveTheLimit = [&]() -> int {
        if ((origin == Origin::Plain || origin == Origin::Sum) && NC > 240)
            return NC;
        if (origin == Origin::HalfSum && NC / 2 > 240)
            return NC / 2;
        return -1;
    };
    // One comparison per value; the limits are looked at every
    // kReadsBetweenTimeChecks values.
    long nextCheck = kReadsBetweenTimeChecks;
    auto readInterval = [&] {
        if (++reads == nextCheck) {
            nextCheck += kReadsBetweenTimeChecks;
            if (reads > kMostReadsPerCount || source.countOverdue()) {
                if (secondPhase)
                    walk.DONNEES_T = "ASSOCIATIONS3";
                if (valueAboveTheLimit() > 240)
                    return false;
                throw CountNeverEnds();
            }
        }
        walk.A_S = source.next() / 250.0f;
        B_S = B_S + walk.A_S;
        return true;
    };

    source.countStarts();
    B_S = 0;
    // Lead-in: the window opens a tenth of its length after the detection
    // that closed the previous count.
    const float leadIn = W / 10.0f;
    do {
        readInterval();
    } while (B_S <= leadIn);
    if (B_S > W + leadIn)
        return 0;  // no detection in the window, in every origin
    B_S = B_S - leadIn;
    NC = 1;

    int C = 0;
    for (;;) {
        if (!readInterval())
            return narrow(valueAboveTheLimit());
        if (B_S < W) {
            ++(secondPhase ? C : NC);
            continue;
        }
        switch (origin) {
        case Origin::Plain:
        case Origin::Sum:
            return narrow(NC);
        case Origin::HalfSum:
            if (NC % 2 == 0)
                return narrow(NC / 2);
            // An odd sum has no whole half: a new window opens at this detection.
            NC = 0;
            B_S = 0;
            break;
        case Origin::Difference:
            if (!secondPhase) {
                // The sum is complete; the next count starts at the detection that closed it.
                walk.DONNEES_T = "ASSOCIATIONS4";
                secondPhase = true;
                B_S = 0;
                C = 0;
                W = W / 2.0f;
                break;
            }
            NC = NC - C;
            walk.DONNEES_T = "ASSOCIATIONS3";
            secondPhase = false;
            if (NC >= 0)
                return narrow(NC);
            // A negative difference is measured again, from this detection.
            NC = 0;
            B_S = 0;
            W = TEMPS_S + TEMPS_S;
            break;
        }
    }
}

}  // namespace kolven
