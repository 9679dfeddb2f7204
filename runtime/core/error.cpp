#include "runtime/core/error.h"

namespace rt {

const char* default_message(ErrorNumber number) noexcept {
  switch (number) {
    case ErrorNumber::InvalidProcedureCall: return "呼び出し方か引数が正しくありません";
    case ErrorNumber::Overflow: return "値が大きすぎて扱えません";
    case ErrorNumber::OutOfMemory: return "メモリが足りません";
    case ErrorNumber::DivisionByZero: return "0 で割ろうとしました";
    case ErrorNumber::TypeMismatch: return "値の型が合いません";
    case ErrorNumber::FileNotFound: return "ファイルが見つかりません";
    case ErrorNumber::DeviceUnavailable: return "ドライブが使えません";
    case ErrorNumber::PermissionDenied: return "アクセスが許可されていません";
    case ErrorNumber::PathNotFound: return "パスが見つかりません";
    case ErrorNumber::InvalidPropertyValue: return "プロパティに使えない値です";
    case ErrorNumber::PropertyNotFound: return "オブジェクトにそのプロパティもメソッドもありません";
  }
  return "アプリケーションかオブジェクトで定められたエラーです";
}

void raise(ErrorNumber number) { throw RuntimeError(number, default_message(number)); }

void raise(ErrorNumber number, const std::string& detail) {
  throw RuntimeError(number, std::string(default_message(number)) + "：" + detail);
}

}  // namespace rt
