#include "capture/Sch2ScptStatements.h"

#include "capture/Sch2ScptFormats.h"
#include "hostkit/Rt_Util.h"

#include <array>
#include <charconv>

namespace snapscribe {

namespace {

void AppendNumber(std::string& code, std::int64_t value) {
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    code.append(digits.data(), result.ptr);
}

} // namespace

TStatementWriter::TStatementWriter(bool isPascal, std::int32_t referenceX, std::int32_t referenceY)
    : isPascal_(isPascal), prefix_(isPascal ? "" : "Call "), terminator_(isPascal ? ';' : ' '), referenceX_(referenceX),
      referenceY_(referenceY) {}

void TStatementWriter::BeginStatement() {
    code_ += prefix_;
}

void TStatementWriter::EndStatement() {
    code_ += terminator_;
    code_ += "\r\n";
}

void TStatementWriter::BeginStringParameter(std::string_view name) {
    BeginStatement();
    code_ += "AddStringParameter(\"";
    code_ += name;
    code_ += "\", ";
}

void TStatementWriter::EndParameter() {
    code_ += ')';
    EndStatement();
}

void TStatementWriter::WriteStatement(std::string_view statement) {
    BeginStatement();
    code_ += statement;
    EndStatement();
}

void TStatementWriter::EndBlock() {
    code_ += "\r\n";
}

void TStatementWriter::ResetParameters() {
    WriteStatement("ResetParameters");
}

void TStatementWriter::RunProcess(std::string_view name) {
    BeginStatement();
    code_ += "RunProcess(\"Sch:";
    code_ += name;
    code_ += "\")";
    EndStatement();
}

void TStatementWriter::AddStringParameter(std::string_view name, std::string_view literal) {
    BeginStringParameter(name);
    code_ += literal;
    EndParameter();
}

void TStatementWriter::AddTextParameter(std::string_view name, std::string_view text) {
    BeginStringParameter(name);
    AppendDoubleQuotedLiteral(code_, text, isPascal_);
    EndParameter();
}

void TStatementWriter::AddIntegerValue(std::string_view name, std::int32_t value) {
    BeginStringParameter(name);
    code_ += '"';
    AppendNumber(code_, value);
    code_ += '"';
    EndParameter();
}

void TStatementWriter::AddByteValue(std::string_view name, std::uint8_t value) {
    AddIntegerValue(name, value);
}

void TStatementWriter::AddAngleValue(std::string_view name, const TReal48& angle) {
    AddStringParameter(name, '"' + FormatReal(angle.ToDouble()) + '"');
}

void TStatementWriter::AddBooleanParameter(std::uint8_t flag, std::string_view name) {
    AddStringParameter(name, flag == 1 ? "\"True\"" : "\"False\"");
}

void TStatementWriter::AddLocationParameter(std::string_view name, std::int32_t x, std::int32_t y) {
    // In 64 bits: a point and a reference far apart on opposite sides must not wrap around.
    const std::int64_t offsets[] = {std::int64_t{x} - referenceX_, std::int64_t{y} - referenceY_};
    const char axes[] = {'X', 'Y'};
    for (int i = 0; i < 2; ++i) {
        BeginStatement();
        code_ += "AddIntegerParameter(\"";
        code_ += name;
        code_ += '.';
        code_ += axes[i];
        code_ += "\",";
        AppendNumber(code_, offsets[i]);
        code_ += " + ";
        code_ += axes[i];
        EndParameter();
    }
}

void TStatementWriter::AddVertexParameters(std::span<const TSchPoint> vertices) {
    std::string name = "Location1";
    for (const TSchPoint& vertex : vertices) {
        AddLocationParameter(name, vertex.X, vertex.Y);
        hostkit::IncrementTrailingNumber(name, 1);
    }
}

} // namespace snapscribe
