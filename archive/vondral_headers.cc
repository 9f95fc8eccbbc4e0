// The component's readers of the container layout.
#include <algorithm>

#include "archive/archive_exceptions.h"
#include "archive/vondral.h"

namespace brontel {

void TVondral::FillArchiveHeader(TArchiveHeader& Header, const std::string& CompressID,
                                 std::uint8_t ArchiveType, std::int32_t TotalSize) const {
  Header = TArchiveHeader{};
  Header.Signature = kArchiveSignature;
  SetCompressId(Header, CompressID);
  Header.ArchiveType = ArchiveType;
  Header.TotalSize = TotalSize;
  Header.Reserved = 0;
  Header.Locked = Key > 0 ? 1 : 0;
}

void TVondral::ReadArchiveHeader(Stream& stream, TArchiveHeader& Header, std::string& CompressID) {
  stream.SetPosition(0);
  if (stream.Size() < TArchiveHeader::kSize) {
    // Too short to be anything but an empty archive; no entry can follow to use the ID.
    FillArchiveHeader(Header, kMethodIdStored, kArchiveTypeMulti, 0);
    CompressID = CompressIdText(Header);
    return;
  }
  ArchiveHeaderBytes bytes{};
  stream.ReadBuffer(bytes.data(), TArchiveHeader::kSize);
  Header = DecodeArchiveHeader(bytes);
  if (Header.Signature != kArchiveSignature) throw EInvalidHeader(kMsgInvalidHeader);
  if (Header.ArchiveType != kArchiveTypeMulti) {
    throw EInvalidHeaderArchiveType(kMsgInvalidHeaderArchiveType);
  }
  CompressID = CompressIdText(Header);
  MethodNumber(CompressID);  // only to reject an ID nobody can decode
}

bool TVondral::ReadFileHeader(Stream& stream, TFileHeader& Header, std::string& Name) {
  FileHeaderBytes bytes{};
  if (stream.Read(bytes.data(), TFileHeader::kSize) != TFileHeader::kSize) return false;
  Header = DecodeFileHeader(bytes);
  if (Header.NameLength < 0) return false;
  Name.assign(static_cast<std::size_t>(Header.NameLength), '\0');
  if (Header.NameLength == 0) return true;
  return stream.Read(Name.data(), Header.NameLength) == Header.NameLength;
}

int TVondral::MethodNumber(const std::string& CompressID) {
  if (CompressID == kMethodIdRle) return kMethodRle;
  if (CompressID == kMethodIdLzh) return kMethodLzh;
  if (OnExpand) {
    if (CompressID == kMethodIdCustom) return kMethodCustom;
    if (OnRecognize) {
      bool recognized = false;
      OnRecognize(CompressID, recognized);
      if (recognized) return kMethodCustom;
    }
  }
  if (CompressID != kMethodIdStored) {
    throw EUnrecognizedCompressionMethod(kMsgUnrecognizedCompressionMethod);
  }
  return kMethodStored;
}

}  // namespace brontel
