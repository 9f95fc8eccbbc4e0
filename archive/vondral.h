// TVondral, the archive component: opens the archive embedded in a module's resources, lists
// its entries and expands all or selected entries below a target folder, with folder creation,
// a free-space check, checksum and key verification, and the files' dates and attributes.
// Every failure is an exception that carries a message (archive/archive_exceptions.h).
//
// One expansion at a time per process: the method engine keeps its state process-wide, so an
// event handler must not start another expansion.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "archive/archive_format.h"
#include "archive/method_engine.h"
#include "archive/string_list.h"
#include "base/stream.h"
#include "platform/file_system.h"

namespace brontel {

// What the component is doing with a file when it asks OnCheckFile. Expanding is the only mode
// the component passes; pmList keeps ordinal 0 for a listing that never asks.
enum class TVProcessMode : std::uint8_t { pmList = 0, pmExpand = 1 };

// Decoder of method 3: writes the expanded bytes to `dest`, reads exactly `Sourcesize` bytes of
// `source`, and sets `checksum` to the sum of the bytes written (archive checksum).
using TExpandEvent =
    std::function<void(Stream& dest, Stream& source, std::int32_t Sourcesize, std::int32_t Destsize,
                       const std::string& CompressID, std::int32_t& checksum)>;
// Sees each target path before its file is made: may rewrite it, empty it (pass the entry
// over) or set it to "*" (stop the expansion).
using TFilenameCheckEvent = std::function<void(std::string& filepath, TVProcessMode mode)>;
// Accepts an archive method ID other than the known ones by setting `recognized`.
using TRecognizeEvent = std::function<void(const std::string& CompressID, bool& recognized)>;
// TShowProgressEvent comes with the method engine (archive/method_engine.h).

// What the listing records of one entry: a copy of its header and where the header lies.
class TVondralFileInfo : public TObject {
 public:
  std::uint32_t FileDate = 0;
  std::uint16_t Attributes = 0;
  std::int32_t OriginalSize = 0;
  std::int32_t CompressedSize = 0;
  std::uint8_t Method = 0;
  std::uint32_t Checksum = 0;
  std::int32_t HeaderPosition = 0;  // offset of the entry header from the start of the stream
  bool Locked = false;
};

class TVondral {
 public:
  // All file operations go through `file_system`, which must outlive the component; null means
  // platform::FileSystem::Default().
  explicit TVondral(platform::FileSystem* file_system = nullptr);

  // Events; any may be left empty.
  TExpandEvent OnExpand;
  TFilenameCheckEvent OnCheckFile;
  TRecognizeEvent OnRecognize;
  TShowProgressEvent OnShowProgress;

  // Create the missing folders of a target path.
  bool MakeDirectories = false;
  // A target file that cannot be created raises EFCreateError instead of passing the entry over.
  bool ExceptionOnFileError = false;
  // Key for locked entries; 0 means none.
  std::int32_t Key = 0;

  const std::string& TargetPath() const { return target_path_; }
  // Stores the folder that entry names are joined to; a "\" is appended to a non-empty value
  // that does not end in one.
  void SetTargetPath(const std::string& Value);

  platform::FileSystem& FileSystem() const { return *file_system_; }

  // A read-only stream over resource `ResName` of type "TVONDRAL" in module `ModuleName` (empty:
  // the running executable). The caller owns the stream; it keeps a loaded module alive.
  // Raises Exception "Could not load <ModuleName> DLL" when the module cannot be loaded, and
  // EResNotFound when it has no such resource.
  static std::unique_ptr<Stream> OpenResourceStream(const std::string& ResName,
                                                    const std::string& ModuleName);

  // Appends one line per entry to `Files`: the entry name with a new TVondralFileInfo attached
  // (owned by `Files`). Does not empty `Files` first. A stream shorter than 46 bytes adds
  // nothing without validating anything. Raises the header exceptions, and ECorruptArchive for
  // an entry that the walk cannot pass over. Leaves the stream where the walk stopped.
  void ScanCompressedStream(Stream& stream, TStringList& Files);

  // Expands the entries whose names are in `FileList` (letters compared without regard to
  // case), or every entry when `FileList` is null, below TargetPath; afterwards replaces the
  // contents of `FileList` with the target paths written, in order. Raises the header
  // exceptions, EUnsafeEntryName, ECorruptArchive, EInsufficientDiskSpace, EInOutError (a folder
  // that cannot be made, an existing file that cannot be opened), EFCreateError (only with
  // ExceptionOnFileError), EBadChecksum, EInvalidKey, and stream errors; any exception ends the
  // call with `FileList` unchanged. Files written before an exception stay.
  void ExpandFilesFromStream(Stream& stream, TStringList* FileList);

  // -- Building blocks of the two walks, public so that tools and tests can use them. --

  // Moves `stream` to offset 0 and reads the archive header into `Header` and its ID into
  // `CompressID`. A stream of fewer than 21 bytes counts as an empty archive (no checks).
  // Raises EInvalidHeader, EInvalidHeaderArchiveType, EUnrecognizedCompressionMethod.
  void ReadArchiveHeader(Stream& stream, TArchiveHeader& Header, std::string& CompressID);
  // Reads the next entry header and its name; false when either is cut short or NameLength is
  // negative. Leaves the stream at the first byte of the body.
  static bool ReadFileHeader(Stream& stream, TFileHeader& Header, std::string& Name);
  // 0 to 3 for a method ID, consulting OnExpand and OnRecognize; raises
  // EUnrecognizedCompressionMethod for an ID that maps to 0 but is not "NON".
  int MethodNumber(const std::string& CompressID);
  // An archive header in memory: signature, the first three characters of CompressID, the
  // type and total given, Reserved 0, Locked 1 when Key > 0.
  void FillArchiveHeader(TArchiveHeader& Header, const std::string& CompressID,
                         std::uint8_t ArchiveType, std::int32_t TotalSize) const;

  // Expands one body of `Sourcesize` bytes from `Source` into `Dest` and verifies it against
  // `Checksum` (and Key when `Locked`). Raises EInvalidKey before reading anything for a locked
  // entry when Key is 0, EBadChecksum / EInvalidKey when the sum does not match, EReadError for
  // a short stored body, and whatever the engine or OnExpand raise.
  void ExpandEntry(Stream& Dest, Stream& Source, std::int32_t Sourcesize, std::int32_t Destsize,
                   std::uint32_t Checksum, std::uint8_t Method, const std::string& CompressID,
                   bool Locked);

  // Free bytes on the drive of `Path` (-1 when it cannot be queried) plus the size of a file
  // already at `Path`. Raises EInOutError when that file cannot be opened.
  std::int64_t AvailableSpace(const std::string& Path);
  // Creates `Dir` and its missing parents; drive roots are never created. Raises EInOutError
  // with the system's reason when a folder cannot be made.
  void CreateDirectoryPath(const std::string& Dir);
  // True when `Path` names an existing folder.
  bool DirectoryExists(const std::string& Path);
  // True when a line of `List` equals `Name`, the letters a-z matching A-Z.
  static bool NameInList(const TStringList& List, const std::string& Name);

 private:
  platform::FileSystem* file_system_;
  std::string target_path_;
};

}  // namespace brontel
