// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces of the command line shared by its commands and its tests.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "editing/Operation.h"
#include "editing/Prompts.h"
#include "image/Codec.h"
#include "image/Image.h"
#include "image/LosslessTurn.h"
#include "imaging/ColourOps.h"

namespace lum::cli {

// A mistake in the command line itself: exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes a command's output atomically and tells the file-written hook.
void WriteOutput(const std::string& path, const std::vector<uint8_t>& bytes);

// Anything else that stops a command: exit status 1, what() is printed after "lumora: ".
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr int kExitOk = 0, kExitFailure = 1, kExitUsage = 2;

// A whole decimal number in lo..hi; throws UsageError mentioning what.
int ParseIntInRange(const std::string& text, int lo, int hi, const std::string& what);
// "R,G,B", each 128..255.
Rgb ParseTarget(const std::string& text, const std::string& option);

// Settings shared by apply and the batch.
struct OutputSettings {
    int quality = 90;
    bool progressive = false;
    bool strip = false;
    BalanceTargets targets;
    std::optional<uint32_t> seed;  // --seed: the noise brush's draws repeat
    bool fullChroma = false;       // JpegEncodeOptions::fullChroma
};

struct ApplyArgs {
    std::string input, output;
    std::vector<ParsedOperation> ops;
    OutputSettings out;
};
// args are the words after "apply".
ApplyArgs ParseApply(const std::vector<std::string>& args);

// What makes a batch one of smaller copies to share rather than of optimized photos.
struct ExportSettings {
    int longEdge = 0;          // pixels of the long side; 0: the original size
    bool keepDetails = false;  // keep the location, serial numbers and names
};

// A photo as a window holds it, its unsaved edits included: copied in place of its file.
struct HeldPicture {
    std::string path;  // the photo's file: one of the batch's paths, and the copy's name
    Image image;
    PictureMetadata metadata;
};

struct BatchArgs {
    std::vector<std::string> paths;
    // Set for copies to share: never replacing a file (a number is added to the name), each
    // photo brought down to the long edge and stripped of its personal details unless kept.
    std::optional<ExportSettings> exportCopies;
    // With exportCopies: the picture that stands for the photo at held->path.
    std::shared_ptr<const HeldPicture> held;
    std::string outDir;  // empty with --in-place
    bool inPlace = false;
    bool overwrite = false;
    int jobs = 0;  // photos at a time; 0 = chosen from the core count
    OutputSettings out;
    // Set for `transform`: the photos are turned, not optimized.
    std::optional<PhotoTurn> turn;
};
// args are the words after "optimize".
BatchArgs ParseBatch(const std::vector<std::string>& args);
// args are the words after "transform": the operation word first among the paths.
BatchArgs ParseTransform(const std::vector<std::string>& args);
// The transform words (rotate-cw ...) with what each does, in --help's order.
struct TurnWord {
    const char* word;
    PhotoTurn turn;
    const char* help;
};
const std::vector<TurnWord>& TurnWords();

// args are the words after "export".
BatchArgs ParseExport(const std::vector<std::string>& args);

// target when no file has that name, else "NAME (2).EXT", "NAME (3).EXT"... the first free one,
// made as an empty file at once so that no other writer takes it.
std::string ReserveFreeName(const std::string& target);

// Parses one operation word ("blur:4", "resize:800x600"); UsageError naming it.
ParsedOperation ParseOp(const std::string& word);

// Notices of the operations go to stderr; questions are answered No, parameter dialogs take
// their proposal.
class StderrPrompts : public Prompts {
public:
    void Message(const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    int messages = 0;
};

// Encodes img as BMP when the output name ends in .bmp (any case), else as JPEG; the density of
// meta is kept either way. warnings receives what of the metadata could not be written.
std::vector<uint8_t> EncodeFor(const std::string& outputPath, const Image& img, const OutputSettings& out,
                               const PictureMetadata* meta, std::vector<std::string>* warnings = nullptr);

// The one-click optimize with the fewest images alive at once; same pixels as OptimizePhoto
// on a main window's state. work holds the photo and receives the result.
void OptimizeLean(Image& work, const BalanceTargets& targets);

// Photos named by paths: a folder gives its photo files (PhotoFilePatterns, any case, not recursive,
// sorted by name); anything else is taken as it is.
std::vector<std::string> CollectPhotos(const std::vector<std::string>& paths);

// While one exists, the first SIGINT, SIGTERM or SIGHUP only asks the command to stop at its
// next safe point, so a file being written is finished and no temporary file is left behind;
// a second one ends the program at once. Signals ignored at start stay ignored.
class StopRequest {
public:
    StopRequest();
    ~StopRequest();
    StopRequest(const StopRequest&) = delete;
    StopRequest& operator=(const StopRequest&) = delete;
    static bool Requested();

private:
    struct Saved;
    Saved* saved_;
};

int RunApply(const std::vector<std::string>& args);
int RunBatch(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
int RunTransform(const std::vector<std::string>& args);
// The forms of the command line, shared by --help and the manual page.
const std::vector<std::string>& SynopsisLines();
std::string UsageText();

// Pieces of --help that the manual page shows too.
struct OptionHelp {
    const char* words;  // as typed: "-j, --jobs N"
    const char* help;   // '\n' starts another line
};
extern const char* const kApplyHelp;     // what apply does
extern const char* const kOptimizeHelp;  // what optimize does
extern const char* const kTransformHelp; // what transform does
const std::vector<OptionHelp>& TransformOptions();
const std::vector<OptionHelp>& OptimizeOptions();
extern const char* const kExportHelp;  // what export does
const std::vector<OptionHelp>& ExportOptions();
const std::vector<OptionHelp>& SharedOptions();  // of both commands

}  // namespace lum::cli
