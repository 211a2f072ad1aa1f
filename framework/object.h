// The root class of objects that know their class at run time and can be
// created from a class name.
#ifndef FRAMEWORK_OBJECT_H
#define FRAMEWORK_OBJECT_H

class CArchive;
class CObject;

struct CRuntimeClass {
    const char *className;
    unsigned schema;         // version of the serialised form
    CObject *(*create)();    // a new default-built object, owned by the caller
    CRuntimeClass *next;     // registry link, set by Register

    // Adds the class to the registry; done once, by a static registration object.
    static void Register(CRuntimeClass &runtimeClass);
    // The registered class of that name, or null.
    static const CRuntimeClass *FromName(const char *className);
    // A new object of the registered class of that name, or null.
    static CObject *CreateObject(const char *className);
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass *GetRuntimeClass() const = 0;
    virtual void Serialize(CArchive &) {}
};

// Registers a class while static objects are built, before WinMain runs.
struct CRuntimeClassRegistration {
    explicit CRuntimeClassRegistration(CRuntimeClass &runtimeClass)
    {
        CRuntimeClass::Register(runtimeClass);
    }
};

#endif
