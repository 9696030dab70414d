#include "base/QnAbstractFactory.h"
#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {
struct Shape {
    virtual ~Shape() = default;
    virtual std::string Name() const = 0;
};
struct Square : Shape {
    std::string Name() const override { return "square"; }
};
struct Circle : Shape {
    std::string Name() const override { return "circle"; }
};
} // namespace

TEST(QnAbstractFactory, CreatesARegisteredClass)
{
    QnFactory<Shape, Square> factory;
    std::unique_ptr<Shape> shape(QnAbstractFactory::create<Shape>(typeid(Square)));
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Name(), "square");
}

TEST(QnAbstractFactory, RefusesAnUnregisteredClassWithAClearException)
{
    QnFactory<Shape, Square> factory;
    try {
        QnAbstractFactory::create<Shape>(typeid(Circle));
        FAIL() << "an unregistered class was created";
    } catch (const QnTypeIdExcept& e) {
        EXPECT_NE(std::string(e.what()).find("Circle"), std::string::npos) << e.what();
    }
}

TEST(QnAbstractFactory, RegistrationEndsWithTheFactory)
{
    {
        QnFactory<Shape, Circle> factory;
        EXPECT_TRUE(QnAbstractFactory::IsRegistered(typeid(Shape), typeid(Circle)));
    }
    EXPECT_FALSE(QnAbstractFactory::IsRegistered(typeid(Shape), typeid(Circle)));
    EXPECT_THROW(QnAbstractFactory::create<Shape>(typeid(Circle)), QnTypeIdExcept);
}
