// Expanding entries into files below the target folder.
#include "archive/archive_exceptions.h"
#include "archive/entry_checks.h"
#include "archive/path_parts.h"
#include "archive/vondral.h"
#include "base/file_stream.h"
#include "base/strings.h"

namespace brontel {

namespace {

constexpr char kCheckStop[] = "*";
constexpr char kMsgCannotCreate[] = "Cannot create file %s";

}  // namespace

void TVondral::ExpandEntry(Stream& Dest, Stream& Source, std::int32_t Sourcesize,
                           std::int32_t Destsize, std::uint32_t Checksum, std::uint8_t Method,
                           const std::string& CompressID, bool Locked) {
  if (Locked && Key == 0) throw EInvalidKey(kMsgInvalidKey);

  std::uint32_t checksum = 0;
  switch (Method) {
    case kMethodStored:
      if (Sourcesize > 0) Dest.CopyFrom(Source, Sourcesize);
      return;  // stored bodies carry no checksum anyone verifies
    case kMethodRle:
    case kMethodLzh:
      ExpandBody(OnShowProgress, Dest, Source, Sourcesize, Destsize, Method, checksum);
      break;
    case kMethodCustom:
      if (OnExpand) {
        std::int32_t sum = 0;
        OnExpand(Dest, Source, Sourcesize, Destsize, CompressID, sum);
        checksum = static_cast<std::uint32_t>(sum);
      }
      break;
    default:
      break;  // a method nobody knows produces nothing, so only an empty file can match
  }

  if (checksum == Checksum) return;
  if (!Locked) throw EBadChecksum(kMsgBadChecksum);
  // Unsigned arithmetic: the key wraps modulo 2^32 as the writer's sum did.
  if (checksum + static_cast<std::uint32_t>(Key) != Checksum) throw EInvalidKey(kMsgInvalidKey);
}

void TVondral::ExpandFilesFromStream(Stream& stream, TStringList* FileList) {
  TArchiveHeader archive;
  std::string compress_id;
  ReadArchiveHeader(stream, archive, compress_id);

  // 64 bits, so that the running total of entry sizes cannot wrap past TotalSize.
  std::int64_t done = 0;
  std::vector<std::string> expanded;

  TFileHeader header;
  std::string name;
  while (ReadFileHeader(stream, header, name)) {
    if (done >= archive.TotalSize) break;  // the header just read is left alone

    const std::int64_t body_start = stream.Position();
    CheckEntryExtent(header, name, body_start - TFileHeader::kSize - header.NameLength);
    const std::int64_t body_end = body_start + header.CompressedSize;

    if (FileList != nullptr && !NameInList(*FileList, name)) {
      stream.SetPosition(body_end);
      done += header.OriginalSize;
      continue;
    }

    CheckEntryName(name);
    std::string target = (!name.empty() && name[0] == '\\') ? name : target_path_ + name;

    if (OnCheckFile) {
      OnCheckFile(target, TVProcessMode::pmExpand);
      if (target.empty()) {
        stream.SetPosition(body_end);
        continue;
      }
      if (target == kCheckStop) break;
    }

    if (AvailableSpace(target) < header.OriginalSize) {
      throw EInsufficientDiskSpace(kMsgInsufficientDiskSpace + target);
    }
    if (MakeDirectories) CreateDirectoryPath(FolderPart(target));

    std::error_code error;
    auto handle = file_system_->CreateFile(target, error);
    if (!handle) {
      if (ExceptionOnFileError) throw EFCreateError(FormatS(kMsgCannotCreate, target));
      stream.SetPosition(body_end);
      continue;
    }

    auto file = std::make_unique<FileStream>(std::move(handle));
    try {
      ExpandEntry(*file, stream, header.CompressedSize, header.OriginalSize, header.Checksum,
                  header.Method, compress_id, header.Locked > 0);
      file->Handle().SetDosDateTime(header.FileDate);  // a failure leaves the time of writing
      expanded.push_back(target);
    } catch (const EInvalidKey&) {
      // Nothing of a locked file may stay behind, not even the emptied old one.
      file.reset();
      file_system_->DeleteFile(target);
      throw;
    } catch (...) {
      file.reset();
      file_system_->SetAttributes(target, header.Attributes);
      throw;
    }
    file.reset();
    file_system_->SetAttributes(target, header.Attributes);  // a failure is ignored

    // A decoder that stopped short of its body (or a custom one that read past it) must not
    // make the walk read the next header from inside a body.
    stream.SetPosition(body_end);
    done += header.OriginalSize;
  }

  if (FileList != nullptr) {
    FileList->Clear();
    for (auto& path : expanded) FileList->Add(std::move(path));
  }
}

}  // namespace brontel
