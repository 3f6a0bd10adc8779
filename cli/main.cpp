// morvane-extract: the window's job from a shell. The same core writes the same bytes.

#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "extract/extraction.h"
#include "platform/files.h"
#include "regex/regex_object.h"

namespace {

constexpr int kSuccess = 0;
constexpr int kFileFailure = 1;
constexpr int kUsageError = 2;

int Fail(const std::string& what, const std::string& name, const std::string& reason) {
    std::cerr << "morvane-extract: " << what << " " << name << ": " << reason << "\n";
    return kFileFailure;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Writes every QQ number in a text file, one per line ending in CR LF, in the order\n"
                 "they occur, duplicates kept. A QQ number is a run of ASCII digits without its\n"
                 "leading zeros, when at least five digits remain. UTF-16 files with a byte-order\n"
                 "mark are decoded first; any other text ends at its first zero byte.",
                 "morvane-extract"};
    std::string inputPath = "-";
    std::optional<std::string> outputPath;
    app.add_option("INPUT", inputPath, "The text file to read; none or - reads standard input");
    app.add_option("-o,--output", outputPath,
                   "The file to write, replaced only once the whole list is ready; none writes standard output");
    app.set_version_flag("--version", MORVANE_VERSION);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // --help and --version end here as well, with their own success code.
        const int code = app.exit(error);
        return code == 0 ? kSuccess : kUsageError;
    }

    morvane::InputFile input;
    const bool fromStandardInput = inputPath == "-";
    const std::string inputName = fromStandardInput ? "standard input" : "'" + inputPath + "'";
    if (auto status = fromStandardInput ? input.OpenStandardInput() : input.Open(inputPath); !status) {
        return Fail("cannot read", inputName, status.reason());
    }

    morvane::ReplacementFile file;
    morvane::StandardOutput standardOutput;
    const std::string outputName = outputPath ? "'" + *outputPath + "'" : "standard output";
    if (outputPath) {
        if (auto status = file.Open(*outputPath); !status) return Fail("cannot write", outputName, status.reason());
    }
    morvane::ByteSink& output = outputPath ? static_cast<morvane::ByteSink&>(file) : standardOutput;

    morvane::RegexObject regex = morvane::RegexObject::Create();
    const morvane::ExtractionResult result = morvane::ExtractNumbers(regex, input, output);
    regex.Destroy();
    switch (result.outcome) {
        case morvane::ExtractionResult::Outcome::Done:
        case morvane::ExtractionResult::Outcome::Cancelled:  // nothing here cancels
            return kSuccess;
        case morvane::ExtractionResult::Outcome::ReadFailed:
            return Fail("cannot read", inputName, result.reason);
        case morvane::ExtractionResult::Outcome::WriteFailed:
            return Fail("cannot write", outputName, result.reason);
        case morvane::ExtractionResult::Outcome::SearchFailed:
            std::cerr << "morvane-extract: cannot search " << inputName << "\n";
            return kFileFailure;
    }
    return kSuccess;
}
