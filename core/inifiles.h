#pragma once
// Ini files: sections of key=value lines, with section and key names compared
// without regard to case. TIniFile reads the file on every read and writes it
// on every write; TMemIniFile reads it once and writes it on UpdateFile. Files
// are UTF-8 (Latin-1 files read as well). A file that exists but cannot be read,
// and any write that fails, raise EIniFileException; a missing file reads as empty.
#include <memory>
#include <string>

#include "core/datetime.h"

namespace tv {

class TStrings;
struct IniDocument;

class TCustomIniFile {
public:
    explicit TCustomIniFile(std::string fileName);
    virtual ~TCustomIniFile();
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }

    bool SectionExists(const std::string& section);
    bool ValueExists(const std::string& section, const std::string& ident);

    virtual std::string ReadString(const std::string& section, const std::string& ident, const std::string& def) = 0;
    virtual void WriteString(const std::string& section, const std::string& ident, const std::string& value) = 0;
    // Decimal or hex ("0x", "$"); the default when missing or no integer.
    virtual int ReadInteger(const std::string& section, const std::string& ident, int def);
    virtual void WriteInteger(const std::string& section, const std::string& ident, int value);
    // Stored as "1" and "0"; any non-zero integer reads as true.
    virtual bool ReadBool(const std::string& section, const std::string& ident, bool def);
    virtual void WriteBool(const std::string& section, const std::string& ident, bool value);
    // Under the process-wide format settings; the default when missing or unreadable.
    virtual double ReadFloat(const std::string& section, const std::string& ident, double def);
    virtual void WriteFloat(const std::string& section, const std::string& ident, double value);
    virtual TDateTime ReadDate(const std::string& section, const std::string& ident, TDateTime def);
    virtual void WriteDate(const std::string& section, const std::string& ident, TDateTime value);
    virtual TDateTime ReadDateTime(const std::string& section, const std::string& ident, TDateTime def);
    virtual void WriteDateTime(const std::string& section, const std::string& ident, TDateTime value);
    virtual TDateTime ReadTime(const std::string& section, const std::string& ident, TDateTime def);
    virtual void WriteTime(const std::string& section, const std::string& ident, TDateTime value);

    // Each clears the list first: the keys of a section, the sections, and
    // the key=value lines of a section, in file order.
    virtual void ReadSection(const std::string& section, TStrings& strings) = 0;
    virtual void ReadSections(TStrings& strings) = 0;
    virtual void ReadSectionValues(const std::string& section, TStrings& strings) = 0;
    virtual void EraseSection(const std::string& section) = 0;
    virtual void DeleteKey(const std::string& section, const std::string& ident) = 0;
    virtual void UpdateFile() = 0;

protected:
    // The document as it stands (TIniFile reads the file again).
    virtual const IniDocument& Document() = 0;

private:
    std::string fileName_;
};

class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(std::string fileName);
    ~TIniFile() override;

    std::string ReadString(const std::string& section, const std::string& ident, const std::string& def) override;
    void WriteString(const std::string& section, const std::string& ident, const std::string& value) override;
    void ReadSection(const std::string& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(const std::string& section, TStrings& strings) override;
    void EraseSection(const std::string& section) override;
    void DeleteKey(const std::string& section, const std::string& ident) override;
    // Nothing is pending: every write is already in the file.
    void UpdateFile() override {}

protected:
    const IniDocument& Document() override;

private:
    std::unique_ptr<IniDocument> doc_;
};

class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(std::string fileName);
    ~TMemIniFile() override;

    std::string ReadString(const std::string& section, const std::string& ident, const std::string& def) override;
    void WriteString(const std::string& section, const std::string& ident, const std::string& value) override;
    void ReadSection(const std::string& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(const std::string& section, TStrings& strings) override;
    void EraseSection(const std::string& section) override;
    void DeleteKey(const std::string& section, const std::string& ident) override;
    // Writes the whole document to the file.
    void UpdateFile() override;
    // Forgets every section (the file is untouched until UpdateFile).
    void Clear();
    // The document as ini lines, and back: a document can come from text that
    // is no file (an internal resource, a string list).
    void GetStrings(TStrings& strings);
    void SetStrings(const TStrings& strings);

protected:
    const IniDocument& Document() override;

private:
    std::unique_ptr<IniDocument> doc_;
};

} // namespace tv
