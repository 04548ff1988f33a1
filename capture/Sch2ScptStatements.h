// The statements of the circuit code: one line each, in the script language the recorder writes.
#pragma once

#include "capture/SchAPITypes.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace snapscribe {

// Collects the circuit code in memory; the recorder moves it to the circuit-code file as it grows. Every position is
// written relative to the reference point, as an offset added to the script's own X and Y.
class TStatementWriter {
public:
    TStatementWriter(bool isPascal, std::int32_t referenceX, std::int32_t referenceY);

    // StatementPrefix, Statement, LineTerminator, end of line.
    void WriteStatement(std::string_view statement);
    // The empty line that ends each object's block.
    void EndBlock();

    void ResetParameters();
    // RunProcess("Sch:<Name>").
    void RunProcess(std::string_view name);
    // AddStringParameter("<Name>", <Literal>): Literal is written as given (a quoted text or a script expression).
    void AddStringParameter(std::string_view name, std::string_view literal);
    // A sheet text, quoted so that the script gets it back unchanged (see DoubleQuotedLiteral).
    void AddTextParameter(std::string_view name, std::string_view text);
    void AddIntegerValue(std::string_view name, std::int32_t value);
    void AddByteValue(std::string_view name, std::uint8_t value);
    void AddAngleValue(std::string_view name, const TReal48& angle);
    // "True" when Flag is exactly 1, "False" otherwise.
    void AddBooleanParameter(std::uint8_t flag, std::string_view name);
    // AddIntegerParameter("<Name>.X",<dx> + X) and the same for Y.
    void AddLocationParameter(std::string_view name, std::int32_t x, std::int32_t y);
    // Location1, Location2, ... one pair per vertex, in order.
    void AddVertexParameters(std::span<const TSchPoint> vertices);

    bool IsPascal() const { return isPascal_; }
    // The code written since the last Clear.
    const std::string& Code() const { return code_; }
    void Clear() { code_.clear(); }

private:
    void BeginStatement();
    void EndStatement();
    void BeginStringParameter(std::string_view name);
    // Closes a parameter statement: ")", LineTerminator, end of line.
    void EndParameter();

    bool isPascal_;
    std::string_view prefix_;
    char terminator_;
    std::int32_t referenceX_;
    std::int32_t referenceY_;
    std::string code_;
};

} // namespace snapscribe
