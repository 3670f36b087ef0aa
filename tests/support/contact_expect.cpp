#include "support/contact_expect.h"

#include <gtest/gtest.h>

void expectSameContact(const interchange::Contact& actual, const interchange::Contact& expected) {
    EXPECT_EQ(actual.fullName, expected.fullName);
    EXPECT_EQ(actual.address, expected.address);
    EXPECT_EQ(actual.telephone, expected.telephone);
    EXPECT_EQ(actual.workplace, expected.workplace);
    EXPECT_EQ(actual.email, expected.email);
    EXPECT_EQ(actual.photo, expected.photo);
    EXPECT_EQ(actual.extraPhones, expected.extraPhones);
}
