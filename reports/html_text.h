#pragma once
// What the web pages need to carry stored texts safely: every name, place and note is the
// person's own text and may hold "<", "&" or quotes, and every address the person typed may hold
// blanks or letters a link cannot carry as they are.
#include <string>
#include <string_view>

// The text with & < > " written as character references, safe in an element and in a quoted
// attribute.
std::string htmlEscape(std::string_view text);

// The address with every byte a link cannot hold as it is (blanks, quotes, angle brackets,
// backslashes, control characters, bytes of non-ASCII letters) written as "%XX"; the characters
// that give an address its structure (":/?#&=%" and the like) stay.
std::string urlEncode(std::string_view address);

// The value of href for a typed web address, URL-encoded and escaped: an address of the scheme
// "http", "https" or "ftp" ("https://...") or one starting "mailto:" as it is, one with no scheme
// of its own with "http://" before it ("javascript:..." has no "//" and is therefore sent to
// http). Empty for an address of any other scheme: it must not become a link.
std::string webAddressHref(std::string_view address);

// The value of href for a typed e-mail address: "mailto:" and the encoded address.
std::string mailHref(std::string_view address);

// Whether a typed subfolder name names one folder right inside the chosen location: not empty,
// no "/" or "\", not "." or "..", no control characters. Only such a folder may be deleted and
// rebuilt by the export.
bool isPlainFolderName(std::string_view name);
