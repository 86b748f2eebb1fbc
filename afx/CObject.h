#pragma once

class CArchive;

// Root of the framework's serialisable objects.
class CObject {
public:
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& archive);

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
