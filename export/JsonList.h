#pragma once
// The list as JSON (RFC 8259), UTF-8 without a byte-order mark: an array of
// objects {"name": ..., "description": ...}, one per row in the order given.
// Every character is kept (the control characters escaped), apart from a
// lone surrogate, which UTF-8 cannot hold: it becomes U+FFFD.
#include <Catalogue.h>

#include <string>

std::string JsonListFile(const CCatalogue& rows);
