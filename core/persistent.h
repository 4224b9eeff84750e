#pragma once
// TPersistent: objects that can be assigned to one another and stored in form
// definitions. TFiler is what a class sees of the reader or writer when it
// defines properties of its own (DefineProperties).
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/object.h"

namespace tv {

class TFiler;
class TReader;
class TWriter;
class TStream;
class TComponent;

class TPersistent : public TObject {
    TV_CLASS(TPersistent, TObject)
public:
    ~TPersistent() override;

    // Copies `source` into this object. The base asks the source to assign
    // itself (AssignTo); when nobody knows how, raises EConvertError
    // "Cannot assign a X to a Y".
    virtual void Assign(TPersistent* source);
    virtual std::string GetNamePath() const;

    // The object that owns this one for naming and storing (component owner,
    // collection of an item...); null by default.
    virtual TPersistent* GetOwner() const { return nullptr; }

    // Defines properties stored beside the published ones.
    virtual void DefineProperties(TFiler& filer) {}

    // Names of the methods bound to this object's events by a form definition,
    // by event property name; the writer writes them back.
    const std::map<std::string, std::string>* BoundMethodNames() const { return methodNames_.get(); }
    void SetBoundMethodName(const std::string& event, const std::string& method);

protected:
    virtual void AssignTo(TPersistent* dest);
    [[noreturn]] void AssignError(TPersistent* source) const;

private:
    std::unique_ptr<std::map<std::string, std::string>> methodNames_;
};

// The reader's and writer's common face.
class TFiler {
public:
    virtual ~TFiler() = default;

    using TReaderProc = std::function<void(TReader&)>;
    using TWriterProc = std::function<void(TWriter&)>;
    using TStreamProc = std::function<void(TStream&)>;

    // A property `name` of the object being filed: the reader calls `read` when
    // the definition holds it; the writer calls `write` when `hasData`.
    virtual void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) = 0;
    // The same for raw bytes, stored as { hex }.
    virtual void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write,
                                      bool hasData) = 0;

    // The component whose definition is being read or written.
    TComponent* Root() const { return root_; }
    // While writing an inherited definition: the object of the ancestor that
    // corresponds to the one being written (null otherwise). Classes compare
    // against it to decide whether their defined properties differ.
    TPersistent* Ancestor() const { return ancestor_; }
    bool IsReader() const { return isReader_; }

protected:
    explicit TFiler(bool isReader) : isReader_(isReader) {}
    TComponent* root_ = nullptr;
    TPersistent* ancestor_ = nullptr;

private:
    bool isReader_;
};

} // namespace tv
