#pragma once
// The one way a part of the game says that something went wrong: an Outcome holds either what was
// asked for or the Problem that kept it away. Whoever receives a Problem hands it to ReportProblem.
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace Platform {

struct Problem {
    std::string message;  // for the player, in the game's words; empty where the player is told nothing
    std::string detail;   // what went wrong, for the log
};

// Made implicitly from either side, so a function simply returns its value or a Problem;
// Outcome<> has no value, and its default is success.
template <typename Value = std::monostate>
class Outcome {
public:
    Outcome() requires std::is_same_v<Value, std::monostate> : state_(std::monostate{}) {}
    Outcome(Value value)
        : state_(std::move(value))
    {}
    Outcome(Problem problem)
        : state_(std::move(problem))
    {}

    bool Ok() const { return std::holds_alternative<Value>(state_); }
    explicit operator bool() const { return Ok(); }

    const Value& Get() const& { return std::get<Value>(state_); }
    Value&& Get() && { return std::get<Value>(std::move(state_)); }
    const Problem& Failure() const { return std::get<Problem>(state_); }

private:
    std::variant<Value, Problem> state_;
};

}  // namespace Platform
