#pragma once
// Reads stored form definitions, the readable text form:
//
//   object Form1: TForm1
//     Caption = 'Artículos'
//     Options = [dgTitles, dgIndicator]
//     Lines.Strings = (
//       'one'
//       'two')
//     Columns = <
//       item
//         FieldName = 'ARTI_COD'
//       end>
//     Picture.Data = {0A0B0C}
//     OnClick = Button1Click
//     object Button1: TButton
//       Left = 8
//     end
//   end
//
// Components are created through the class registry (or found by name for
// `inherited` ones), their properties set under csLoading and csReading,
// references to other components resolved by name once everything is read,
// and Loaded called on every component read, the root first. Errors name the
// reason and the line: "Error reading Form1.Foo: Property Foo does not exist on line 7".
//
// A root whose class publishes fields (TPublisher::Field) has one for every
// component its definition creates: the reader sets each field as it creates
// the component, and refuses a component the class has no field for ("Class
// Tfclave has no field TClave2 on line 4"), one of another class than its
// field's, and a field that no definition of the class creates.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/component.h"
#include "core/persistent.h"

namespace tv {

class TCollection;
class TPropInfo;
struct TFormObject;
struct TFormValue;
struct TFormProperty;

enum class TValueType { vaNull, vaList, vaInt, vaExtended, vaString, vaIdent, vaFalse, vaTrue, vaNil, vaSet, vaCollection, vaBinary };

// What a handler of an unknown property may do: change `name` (and
// `instance`) and set `handled` to have the reader try again there, or set
// `skip` to pass over the value.
struct TPropertyNotFoundArgs {
    TPersistent* instance;
    std::string name;
    bool isPath;  // a part of a dotted name ("Font" in "Font.Size")
    bool handled = false;
    bool skip = false;
};

class TReader : public TFiler {
public:
    // `source` names the definition in messages (a resource name, a file).
    // Raises EParserError "<reason> on line N" when the text is not a definition.
    explicit TReader(std::string_view text, std::string source = {});
    ~TReader() override;

    // Reads the definition into `root`; with a null root creates it from its
    // registered class, owned by `owner`. Returns the root.
    TComponent* ReadRootComponent(TComponent* root, TComponent* owner = nullptr);

    // Positions and sizes (properties published as scaled) are scaled from the
    // definition's "PixelsPerInch" to `pixelsPerInch`; 0 turns scaling off.
    void SetScaleTo(int pixelsPerInch) { scaleTo_ = pixelsPerInch; }
    // The root's stored "PixelsPerInch"; when it stores none, the default set
    // below (an inherited definition leaves it to its ancestor's), else 0.
    int StoredPixelsPerInch() const;
    void SetDefaultPixelsPerInch(int pixelsPerInch) { defaultPpi_ = pixelsPerInch; }

    // Reads the properties and nested components of the object being read into
    // `instance` (what TComponent::ReadState does).
    void ReadData(TComponent* instance);

    // The component that owns what is read (the root) and the one the object
    // being read is nested in.
    TComponent* Owner() const { return root_; }
    TComponent* Parent() const { return parent_; }
    // Line of the value or object being read.
    int Line() const;

    // --- values, for properties defined by DefineProperties ---
    TValueType NextValue() const;
    std::int64_t ReadInteger();
    std::int64_t ReadInt64() { return ReadInteger(); }
    double ReadFloat();
    std::string ReadString();
    std::string ReadIdent();
    bool ReadBoolean();
    char32_t ReadChar();
    // Set members by name.
    std::vector<std::string> ReadSet();
    std::string ReadBinary();
    void ReadListBegin();
    bool EndOfList() const;
    void ReadListEnd();
    // Clears the collection and reads its items.
    void ReadCollection(TCollection* collection);
    void SkipValue();

    // --- hooks ---
    // Unknown property names (obsolete names, interceptors).
    std::function<void(TReader&, TPropertyNotFoundArgs&)> OnPropertyNotFound;
    // An error while a property is read; setting `handled` skips the property.
    std::function<void(TReader&, const std::string& message, bool& handled)> OnError;
    // Lets the class of a nested component be chosen by name before the registry is asked.
    std::function<void(TReader&, const std::string& className, TClass& componentClass)> OnFindComponentClass;

    void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) override;
    void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) override;

protected:
    virtual void PropertyNotFound(TPropertyNotFoundArgs& args);

private:
    std::int64_t Scale(std::int64_t value) const;
    void ReadProperty(TPersistent* instance, const TFormProperty& prop);
    void ReadPropValue(TPersistent* obj, const TPropInfo* info, const TFormValue& value);
    bool ReadDefined(TPersistent* target, const std::string& name, const TFormValue& value);
    TClass FindComponentClass(const std::string& className, int line);
    void ReadObject(const TFormObject& node, TComponent* parent);
    void ResolveFixups();

    struct Impl;
    std::unique_ptr<Impl> impl_;
    TComponent* parent_ = nullptr;
    int scaleTo_ = 0;
    int defaultPpi_ = 0;
};

// Reads the definition registered as resource `name` into `instance`.
// Raises EReadError "Resource X not found" when there is none.
void ReadComponentRes(const std::string& name, TComponent* instance, int scaleTo = 0);
// Reads a definition given as text into `instance`.
void ReadComponentText(std::string_view text, TComponent* instance, int scaleTo = 0);
// Creates and reads the root of a definition given as text.
TComponent* CreateComponentFromText(std::string_view text, TComponent* owner = nullptr);
// Reads, for each class below `rootAncestor` down to the instance's own, the
// definition named after that class, if there is one: an inherited window
// gets its ancestor's components first. True when one was read.
bool InitInheritedComponent(TComponent* instance, TClass rootAncestor, int scaleTo = 0);

// References to components of other roots ("Tfdm.Tallyvo"): roots are found
// through the registered finders; references not resolvable yet wait until
// GlobalFixupReferences finds their root.
using TFindGlobalComponent = std::function<TComponent*(std::string_view name)>;
int RegisterFindGlobalComponent(TFindGlobalComponent finder);
void UnregisterFindGlobalComponent(int id);
TComponent* FindGlobalComponent(std::string_view name);
void GlobalFixupReferences();
// Forgets the waiting references of `root` (done when a component is freed).
void RemoveFixupReferences(TComponent* root);

} // namespace tv
