#include "core/class_stream.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace kolven {

namespace {

constexpr double kMeanInterval = 250;
constexpr int kValuesPerLine = 10;
constexpr std::string_view kPulsesKey = "impulsions ";
constexpr std::string_view kRateKey = "cadence ";

}  // namespace

std::string groupedDigits(std::int64_t n)
{
    const std::string digits = std::to_string(n);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ' ';
        grouped += digits[i];
    }
    return grouped;
}

namespace {

std::optional<double> valueAfter(std::string_view text, std::string_view key)
{
    const auto at = text.rfind(key);
    if (at == std::string_view::npos || (at > 0 && text[at - 1] != '\n'))
        return std::nullopt;
    const char* first = text.data() + at + key.size();
    double value = 0;
    const auto [stop, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || (stop != text.data() + text.size() && *stop != '\n' && *stop != '\r'))
        return std::nullopt;
    return value;
}

}  // namespace

std::string pulsesRefusal(const std::vector<double>& seconds)
{
    if (seconds.empty())
        return "aucune impulsion";
    if (seconds.size() > kMostPulses)
        return "plus de " + groupedDigits(static_cast<std::int64_t>(kMostPulses)) + " impulsions";
    if (seconds.size() < kFewestPulses)
        return groupedDigits(static_cast<std::int64_t>(seconds.size())) + " impulsion" +
               (seconds.size() > 1 ? "s" : "") + " seulement : il en faut " +
               groupedDigits(static_cast<std::int64_t>(kFewestPulses)) + " au moins";
    return {};
}

ClassStreamFacts classStreamFacts(const std::vector<double>& seconds)
{
    ClassStreamFacts facts;
    facts.pulses = static_cast<std::int64_t>(seconds.size());
    if (seconds.size() > 1)
        facts.rate = static_cast<double>(seconds.size() - 1) / (seconds.back() - seconds.front());
    return facts;
}

std::string classStreamText(const std::vector<double>& seconds)
{
    const ClassStreamFacts facts = classStreamFacts(seconds);
    // Interval × rate is the interval in mean intervals.
    const double scale = kMeanInterval * facts.rate;
    std::string text;
    text.reserve(seconds.size() * 10 + 64);
    char buffer[32];
    for (std::size_t i = 1; i < seconds.size(); ++i) {
        // Single precision, as the count adds it; never 0, which would put
        // two pulses at one instant.
        const float value = std::max(static_cast<float>((seconds[i] - seconds[i - 1]) * scale),
                                     std::numeric_limits<float>::min());
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
        text.append(buffer, end);
        text += i % kValuesPerLine == 0 || i + 1 == seconds.size() ? '\n' : ' ';
    }
    // to_chars: the user's locale must not turn the point into a comma.
    const auto [rateEnd, rateError] = std::to_chars(buffer, buffer + sizeof buffer, facts.rate);
    text += std::string(kPulsesKey) + std::to_string(facts.pulses) + '\n' + std::string(kRateKey) +
            std::string(buffer, rateEnd) + '\n';
    return text;
}

std::optional<ClassStreamFacts> classStreamFactsFromTail(std::string_view tail)
{
    while (!tail.empty() && (tail.back() == '\n' || tail.back() == '\r'))
        tail.remove_suffix(1);
    const auto lastLine = tail.rfind('\n');
    if (lastLine == std::string_view::npos)
        return std::nullopt;
    const auto rate = valueAfter(tail.substr(lastLine + 1), kRateKey);
    const auto pulses = valueAfter(tail.substr(0, lastLine), kPulsesKey);
    if (!rate || !pulses || !(*rate > 0) || !std::isfinite(*rate) || *pulses < 2 ||
        *pulses > static_cast<double>(kMostPulses) || *pulses != std::floor(*pulses))
        return std::nullopt;
    return ClassStreamFacts{static_cast<std::int64_t>(*pulses), *rate};
}

std::string rateText(double perSecond, char decimalSeparator)
{
    char rate[32];
    const auto [end, error] =
        std::to_chars(rate, rate + sizeof rate, perSecond, std::chars_format::fixed, perSecond < 1 ? 2 : 1);
    std::string text(rate, end);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

std::string classStreamCaption(const ClassStreamFacts& facts, char decimalSeparator)
{
    return "Intervalles de la classe : " + groupedDigits(facts.pulses) + " impulsions, " +
           rateText(facts.rate, decimalSeparator) + " /s";
}

}  // namespace kolven
