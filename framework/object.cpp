#include "framework/object.h"

#include <cstring>

namespace {
// Constant-initialised, so registrations made by other static objects find
// the list ready whatever the order in which those objects are built.
CRuntimeClass *firstRegisteredClass = nullptr;
}

void CRuntimeClass::Register(CRuntimeClass &runtimeClass)
{
    runtimeClass.next = firstRegisteredClass;
    firstRegisteredClass = &runtimeClass;
}

const CRuntimeClass *CRuntimeClass::FromName(const char *className)
{
    for (const CRuntimeClass *entry = firstRegisteredClass; entry != nullptr; entry = entry->next) {
        if (std::strcmp(entry->className, className) == 0)
            return entry;
    }
    return nullptr;
}

CObject *CRuntimeClass::CreateObject(const char *className)
{
    const CRuntimeClass *runtimeClass = FromName(className);
    return runtimeClass == nullptr ? nullptr : runtimeClass->create();
}
