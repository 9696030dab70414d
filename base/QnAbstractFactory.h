// Creation of objects by type: a factory registers a class under one of its
// base classes for as long as the factory lives, and create() makes a new
// object of a class asked for by its type.
#pragma once

#include <typeinfo>

class QnAbstractFactory {
public:
    QnAbstractFactory(const std::type_info& base, const std::type_info& type);
    virtual ~QnAbstractFactory();
    QnAbstractFactory(const QnAbstractFactory&) = delete;
    QnAbstractFactory& operator=(const QnAbstractFactory&) = delete;

    // A new object of class type, as a pointer to base. Raises QnTypeIdExcept
    // when no factory of type under base is registered.
    static void* create(const std::type_info& base, const std::type_info& type);
    template <class Base>
    static Base* create(const std::type_info& type) { return static_cast<Base*>(create(typeid(Base), type)); }
    static bool IsRegistered(const std::type_info& base, const std::type_info& type);

protected:
    // A new object, already converted to a pointer to the base class.
    virtual void* make() const = 0;

private:
    const std::type_info& base_;
    const std::type_info& type_;
};

// The usual factory: default-constructs T with new.
template <class Base, class T>
class QnFactory : public QnAbstractFactory {
public:
    QnFactory() : QnAbstractFactory(typeid(Base), typeid(T)) {}

protected:
    void* make() const override { return static_cast<Base*>(new T()); }
};
