// Key matcher: registration checks and the byte-by-byte match.
#include "ema/cparser.h"

#include "text/debuglog.h"
#include "text/format.h"
#include "text/textutil.h"

#include <stdexcept>
#include <utility>

namespace brisalta {

CToken::CToken(int id, std::string text, TokenCallback callback)
    : id(id), text(std::move(text)), callback(callback) {}

CToken::~CToken() = default;

CParser::~CParser() {
    // Tokens go from the last registered to the first.
    while (!mTokens.empty()) {
        mTokens.pop_back();
    }
}

bool CParser::Add(int id, const std::string& keyText, TokenCallback callback) {
    if (keyText.empty() || id == 0) {
        return false;
    }
    for (auto it = mTokens.rbegin(); it != mTokens.rend(); ++it) {
        const CToken& existing = **it;
        if (existing.id == id) {
            text::debugLog(
                text::format("CParser::Add(...) error: tokenID '%d' already occupied.\n", id));
            return false;
        }
        if (text::textContains(keyText, existing.text) ||
            text::textContains(existing.text, keyText)) {
            text::debugLog(text::format("CParser::Add(...) error: tokenAsStr \"%s\" matches an "
                                        "existing token- substring or vice versa.\n",
                                        keyText.c_str()));
            return false;
        }
    }
    mTokens.push_back(std::make_unique<CToken>(id, keyText, callback));
    mFirstBytes[static_cast<unsigned char>(keyText[0])] = true;
    return true;
}

void CParser::ResetPositions() {
    for (auto& token : mTokens) {
        token->matchPos = 0;
    }
    mAnyPartial = false;
}

int CParser::ProcessChar(char c) {
    if (!mAnyPartial && !mFirstBytes[static_cast<unsigned char>(c)]) {
        return 0; // every key stays at its start
    }
    bool anyPartial = false;
    for (auto it = mTokens.rbegin(); it != mTokens.rend(); ++it) {
        CToken& token = **it;
        const int length = static_cast<int>(token.text.size());
        if (token.matchPos < 0 || token.matchPos >= length) {
            throw std::invalid_argument("CParser::ProcessChar: match position outside its key");
        }
        if (c != token.text[static_cast<std::size_t>(token.matchPos)]) {
            token.matchPos = 0;
            continue;
        }
        if (++token.matchPos == length) {
            ResetPositions();
            if (token.callback != nullptr) {
                token.callback(mFile ? &*mFile : nullptr);
            }
            return token.id;
        }
        anyPartial = true;
    }
    mAnyPartial = anyPartial;
    return 0;
}

} // namespace brisalta
