#pragma once
// GoogleTest on Windows has small regular expressions of its own, where '.' stops at a line
// break; the POSIX ones the Linux tests are written for let it match one. The shared tests look
// for the screens of a whole game over many lines of its output, so on Windows their death
// tests read that output with its line breaks as spaces.
#include <gtest/gtest.h>
#include <ostream>
#include <string>

class MatchesAcrossLines : public testing::MatcherInterface<const std::string&> {
public:
    explicit MatchesAcrossLines(std::string pattern)
        : pattern_(std::move(pattern))
    {}
    bool MatchAndExplain(const std::string& output, testing::MatchResultListener*) const override
    {
        std::string oneLine = output;
        for (char& c : oneLine)
            c = c == '\n' || c == '\r' ? ' ' : c;
        return testing::internal::RE::PartialMatch(oneLine, testing::internal::RE(pattern_));
    }
    void DescribeTo(std::ostream* out) const override
    {
        *out << "contains regular expression \"" << pattern_ << "\" across lines";
    }

private:
    std::string pattern_;
};

#undef EXPECT_EXIT
#define EXPECT_EXIT(statement, predicate, pattern)                                                                     \
    GTEST_DEATH_TEST_(statement, predicate, testing::Matcher<const std::string&>(new MatchesAcrossLines(pattern)),     \
                      GTEST_NONFATAL_FAILURE_)
