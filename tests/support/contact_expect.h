#pragma once

#include "interchange/contact.h"

// Expects the contact's texts, second phones and photo bytes to be the expected ones.
void expectSameContact(const interchange::Contact& actual, const interchange::Contact& expected);
