#pragma once

#include <string>

namespace kunimor {

enum class FieldType { Integer, Smallint, Boolean, String, Memo };

// Data fields hold stored values; calculated fields are filled by the
// table's calculation callback and never reach a file.
enum class FieldKind { Data, Calculated };

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Integer;
    int size = 0;       // maximum length of a String field
    int fileWidth = 0;  // bytes a number takes in a dictionary file
    bool visible = true;
    FieldKind kind = FieldKind::Data;
    std::string displayLabel;  // grid caption; the name when empty
    int displayWidth = 0;      // grid column width in characters; 0 = default
    bool readOnly = false;
    int slot = -1;  // set by the table: where its records keep the value

    bool IsText() const { return type == FieldType::String || type == FieldType::Memo; }
};

}  // namespace kunimor
