#include "vozmara/library/CommandFields.h"

#include <string>

namespace voz::library {

std::vector<recordstore::FieldDef> CommandLibrarySchema() {
  using recordstore::FieldKind;
  const auto def = [](std::string_view name, FieldKind kind) {
    return recordstore::FieldDef{std::string(name), kind};
  };
  return {
      def(field::命令类型, FieldKind::Int16), def(field::语音命令, FieldKind::Text),
      def(field::执行, FieldKind::Text),      def(field::横坐标, FieldKind::Int32),
      def(field::纵坐标, FieldKind::Int32),   def(field::点击类型, FieldKind::Int16),
      def(field::第一键, FieldKind::Int32),   def(field::第二键, FieldKind::Int32),
      def(field::第三键, FieldKind::Int32),
  };
}

}  // namespace voz::library
