#include "core/simulated_count.h"

#include <algorithm>
#include <array>

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

// Each value in the form the count adds it: the interval divided by 250 in
// single precision. For eighths the quotient of every possible value is
// worked out once, by the very same operations, so that the hot loop's
// only long-latency step is the addition that each count's sum waits on.
struct FromEighths {
    float operator()(std::uint16_t eighths) const { return quotients[eighths]; }
    const float* quotients = table().data();

    static const std::array<float, 65536>& table()
    {
        static const std::array<float, 65536> quotients = [] {
            std::array<float, 65536> q{};
            for (std::size_t e = 0; e < q.size(); ++e)
                q[e] = static_cast<float>(e) * 0.125f / 250.0f;  // the product is exact: e < 2^16
            return q;
        }();
        return quotients;
    }
};
struct AsStored {
    float operator()(float value) const { return value / 250.0f; }
};

struct Stretch {
    std::size_t read;  // values added, the one that crossed included
    bool crossed;
};

// The hot loop: one addition and one comparison per value, on contiguous
// memory. The comparison goes the same way for every value but the last, so
// the branch predicts; the interval divided by 250 in single precision, as
// every count has always made it, comes from the decoder.
template <bool kUpToLimit, class Decode, class T>
Stretch addUntilCrossing(const T* values, std::size_t n, float& A_S, float& B_S, float limit)
{
    const Decode decode;
    float a = A_S;
    float b = B_S;
    std::size_t i = 0;
    bool crossed = false;
    while (i < n) {
        a = decode(values[i++]);
        b = b + a;
        if (kUpToLimit ? !(b <= limit) : !(b < limit)) {
            crossed = true;
            break;
        }
    }
    A_S = a;
    B_S = b;
    return {i, crossed};
}

// A count's walk on the stream: spans taken from the source, the values
// counted, and the limits looked at every kReadsBetweenTimeChecks values.
class Walker {
public:
    Walker(IntervalSource& source, float& A_S, float& B_S) : m_source(source), m_A_S(A_S), m_B_S(B_S) {}

    // Adds intervals to B_S until it passes the limit (goes beyond it when
    // upToLimit, reaches it otherwise); `inside` counts the values that did
    // not pass. False when the limits say the count must be given up.
    bool walk(float limit, bool upToLimit, int& inside)
    {
        for (;;) {
            if (m_room == 0) {
                m_room = kReadsBetweenTimeChecks;
                if (m_reads + 1 > kMostReadsPerCount || m_source.countOverdue())
                    return false;
            }
            if (m_span.size == 0)
                m_span = m_source.values();
            const std::size_t most = std::min<std::size_t>(m_span.size, static_cast<std::size_t>(m_room));
            const Stretch s = add(most, limit, upToLimit);
            m_source.consume(s.read);
            m_span.size -= s.read;
            if (m_span.eighths)
                m_span.eighths += s.read;
            else
                m_span.floats += s.read;
            m_reads += static_cast<long>(s.read);
            m_room -= static_cast<long>(s.read);
            inside += static_cast<int>(s.crossed ? s.read - 1 : s.read);
            if (s.crossed)
                return true;
        }
    }

private:
    Stretch add(std::size_t n, float limit, bool upToLimit)
    {
        if (m_span.eighths)
            return upToLimit ? addUntilCrossing<true, FromEighths>(m_span.eighths, n, m_A_S, m_B_S, limit)
                             : addUntilCrossing<false, FromEighths>(m_span.eighths, n, m_A_S, m_B_S, limit);
        return upToLimit ? addUntilCrossing<true, AsStored>(m_span.floats, n, m_A_S, m_B_S, limit)
                         : addUntilCrossing<false, AsStored>(m_span.floats, n, m_A_S, m_B_S, limit);
    }

    IntervalSource& m_source;
    float& m_A_S;
    float& m_B_S;
    IntervalSpan m_span;
    long m_reads = 0;
    long m_room = kReadsBetweenTimeChecks - 1;  // values before the first look at the limits
};

}  // namespace

std::int16_t simulatedCount(IntervalSource& source, float TEMPS_S, CountWalk walk)
{
    const Origin origin = originOf(walk.DONNEES_T);
    // An associated value is made over a window twice as long: the sum of two
    // successive counts is the count of the window that spans both.
    float W = origin == Origin::Plain ? TEMPS_S : TEMPS_S + TEMPS_S;
    float& B_S = walk.B_S;
    Walker walker(source, walk.A_S, B_S);
    int NC = 0;
    bool secondPhase = false;
    // The limits reached: the value the count would give if its window
    // closed now, when it is already sure to be above the limit; otherwise
    // the stream cannot end it.
    auto giveUp = [&]() -> std::int16_t {
        if (secondPhase)
            walk.DONNEES_T = "ASSOCIATIONS3";
        if ((origin == Origin::Plain || origin == Origin::Sum) && NC > 240)
            return narrow(NC);
        if (origin == Origin::HalfSum && NC / 2 > 240)
            return narrow(NC / 2);
        throw CountNeverEnds();
    };

    source.countStarts();
    B_S = 0;
    // Lead-in: the window opens a tenth of its length after the detection
    // that closed the previous count.
    const float leadIn = W / 10.0f;
    int skipped = 0;
    if (!walker.walk(leadIn, true, skipped))
        return giveUp();
    if (B_S > W + leadIn)
        return 0;  // no detection in the window, in every origin
    B_S = B_S - leadIn;
    NC = 1;

    int C = 0;
    for (;;) {
        if (!walker.walk(W, false, secondPhase ? C : NC))
            return giveUp();
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
