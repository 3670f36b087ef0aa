#pragma once

#include "store/contact_record.h"

#include <QString>

#include <functional>

// Writes a base of `count` records at `path`, record k (from 0) made by `contact`.
void writeBase(const QString& path, int count,
               const std::function<store::ContactRecord(int)>& contact);
