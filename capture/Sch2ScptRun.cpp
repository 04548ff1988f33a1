// The run of the macro recorder: the object walk, the dialog and the template copy.
#include "capture/Sch2Scpt.h"

#include "capture/Dlg.h"
#include "capture/Sch2ScptDialog.h"
#include "capture/Sch2ScptEmitters.h"
#include "capture/SchProcs.h"
#include "hostkit/ClientClass.h"
#include "hostkit/rt_FileUtil.h"

namespace snapscribe {

namespace {

// The circuit code moves to its file in pieces of about this size.
constexpr std::size_t CircuitCodeChunk = 1 << 20;

constexpr const char* GenerationFailed = "A problem occurred while creating script.";

// Destroys the host's iterator also when writing the circuit code fails.
class TIteratorScope {
public:
    explicit TIteratorScope(TSchHandle iterator) : iterator_(iterator) {}
    ~TIteratorScope() { SchAPI_DestroyIterator(iterator_); }
    TIteratorScope(const TIteratorScope&) = delete;
    TIteratorScope& operator=(const TIteratorScope&) = delete;

private:
    TSchHandle iterator_;
};

void WriteLines(std::string_view indent, const std::vector<std::string>& lines, TTextFileWriter& script) {
    for (const std::string& line : lines) {
        script.Write(indent);
        script.WriteLine(line);
    }
}

} // namespace

bool TMacroRecorder::Execute() {
    const auto document = hostkit::ViewOwnerDocument(documentView_.Get());
    if (hostkit::DocumentFileName(document.Get()).empty())
        return false;
    if (GenerateScript())
        return true;
    messages_.ShowError(GenerationFailed);
    return false;
}

bool TMacroRecorder::GenerateScript() {
    if (macroFileName_.size() > SetUpTextMaxLength)
        return false;
    const std::string templateName = TemplateName(isPascal_);
    std::string templatePath = templateName;
    if (!hostkit::FindSupportFile(templatePath)) {
        messages_.ShowInformation(templateName + " template file cannot be found.  Process aborted!");
        return false;
    }
    // Without a document nothing can be captured: fail before the script file is touched.
    if (!CaptureObjects())
        return false;
    BuildDialog();
    WriteScript(templatePath);
    tempFile_.Remove();
    return true;
}

bool TMacroRecorder::CaptureObjects() {
    if (documentHandle_ == 0)
        return false;
    TTextFileWriter circuitFile(tempFile_.Path());
    const TSchHandle iterator = SchAPI_CreateIterator(documentHandle_, 0);
    if (iterator != 0) {
        const TIteratorScope scope(iterator);
        for (TSchHandle object = SchAPI_GetFirstObject(iterator); object != 0;
             object = SchAPI_GetNextObject(iterator)) {
            const auto wrapper = CreateWrapper(SchAPI_GetObjectIdFromObjectHandle(object) & 127);
            if (!wrapper)
                continue;
            wrapper->Handle = object;
            wrapper->Query(qmRead);
            RecordObject(*wrapper, statements_, variables_);
            if (statements_.Code().size() >= CircuitCodeChunk) {
                circuitFile.Write(statements_.Code());
                statements_.Clear();
            }
        }
    }
    circuitFile.Write(statements_.Code());
    statements_.Clear();
    circuitFile.Close();
    return true;
}

void TMacroRecorder::BuildDialog() {
    if (variables_.IsEmpty()) {
        hasGlobalVariables_ = false;
        return;
    }
    const TDialogCharWidths widths = MeasureDialogCharWidths();
    if (isPascal_)
        BuildPascalDialog(variables_, widths.Maximum, dialogDeclaration_);
    else
        BuildBasicDialog(variables_, widths.Average, dialogDeclaration_, dialogCode_);
}

void TMacroRecorder::WriteScript(const std::string& templatePath) {
    TTextFileReader source(templatePath);
    TTextFileWriter script(macroFileName_);
    std::string line;
    while (source.ReadLine(line)) {
        script.WriteLine(line);
        const TPlaceholder placeholder = FindPlaceholder(line);
        if (placeholder != phNone)
            WriteExpansion(placeholder, LeadingBlanks(line), script);
    }
    script.Close();
}

void TMacroRecorder::WriteExpansion(TPlaceholder placeholder, std::string_view indent, TTextFileWriter& script) {
    switch (placeholder) {
    case phGlobalVariables:
        WriteLines(indent, GlobalVariableLines(variables_, hasGlobalVariables_, isPascal_), script);
        break;
    case phDialogDeclaration:
        WriteLines(indent, dialogDeclaration_.Lines(), script);
        break;
    case phDialogCode:
        WriteLines(indent, dialogCode_.Lines(), script);
        break;
    case phCircuitCode:
        WriteCircuitCode(indent, script);
        break;
    case phVariablesInitialisation:
        WriteLines(indent, VariablesInitialisationLines(variables_, hasGlobalVariables_, isPascal_), script);
        break;
    case phNone:
        return;
    }
    script.Flush();
}

void TMacroRecorder::WriteCircuitCode(std::string_view indent, TTextFileWriter& script) {
    // Copied in blocks: every line of the circuit code ends in CR LF, so each line start follows a line feed.
    TTextFileReader circuitFile(tempFile_.Path());
    bool lineStart = true;
    for (std::string_view block = circuitFile.ReadBlock(); !block.empty(); block = circuitFile.ReadBlock()) {
        while (!block.empty()) {
            if (lineStart)
                script.Write(indent);
            const std::size_t lineFeed = block.find('\n');
            lineStart = lineFeed != std::string_view::npos;
            const std::size_t length = lineStart ? lineFeed + 1 : block.size();
            script.Write(block.substr(0, length));
            block.remove_prefix(length);
        }
    }
}

} // namespace snapscribe
