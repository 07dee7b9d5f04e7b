#include "book/BookSchema.h"

namespace {

// Version 1. A payment's fields are the HUB-3A slip's texts as they were sent; amount_cents, the
// repeat key (recipient IBAN, model and reference, amount) and the source key (an invoice's file and
// page) are what the repeat look-up searches by. The triggers keep every row as it was written.
constexpr const char *version1 = R"sql(
CREATE TABLE bank_message (
    message_id TEXT PRIMARY KEY,
    day TEXT NOT NULL,
    number INTEGER NOT NULL,
    sender TEXT NOT NULL,
    taken TEXT NOT NULL,
    UNIQUE (day, number)
);
CREATE TABLE payment (
    id INTEGER PRIMARY KEY,
    left_at TEXT NOT NULL,
    payer_name TEXT NOT NULL, payer_street TEXT NOT NULL, payer_place TEXT NOT NULL,
    recipient_name TEXT NOT NULL, recipient_street TEXT NOT NULL, recipient_place TEXT NOT NULL,
    payer_iban TEXT NOT NULL, payer_model TEXT NOT NULL, payer_reference TEXT NOT NULL,
    recipient_iban TEXT NOT NULL, recipient_model TEXT NOT NULL, recipient_reference TEXT NOT NULL,
    purpose TEXT NOT NULL, description TEXT NOT NULL, amount TEXT NOT NULL, execution_date TEXT NOT NULL,
    urgent TEXT NOT NULL,
    instant INTEGER NOT NULL,
    amount_cents INTEGER NOT NULL,
    source TEXT NOT NULL, source_file TEXT NOT NULL, source_place INTEGER NOT NULL,
    way TEXT NOT NULL, way_file TEXT NOT NULL,
    message_id TEXT NOT NULL, payment_info_id TEXT NOT NULL, instruction_id TEXT NOT NULL,
    end_to_end_id TEXT NOT NULL,
    repeat_key TEXT NOT NULL,
    source_key TEXT
);
CREATE INDEX payment_repeat ON payment (repeat_key, left_at);
CREATE INDEX payment_source ON payment (source_key, left_at) WHERE source_key IS NOT NULL;
CREATE INDEX payment_message ON payment (message_id) WHERE message_id <> '';
CREATE INDEX payment_left ON payment (left_at);
CREATE TABLE payment_event (
    id INTEGER PRIMARY KEY,
    payment_id INTEGER NOT NULL REFERENCES payment (id),
    at TEXT NOT NULL,
    state TEXT NOT NULL,
    reason TEXT NOT NULL
);
CREATE INDEX payment_event_payment ON payment_event (payment_id, id);
CREATE TRIGGER bank_message_kept_u BEFORE UPDATE ON bank_message BEGIN SELECT RAISE(ABORT, 'kept'); END;
CREATE TRIGGER bank_message_kept_d BEFORE DELETE ON bank_message BEGIN SELECT RAISE(ABORT, 'kept'); END;
CREATE TRIGGER payment_kept_u BEFORE UPDATE ON payment BEGIN SELECT RAISE(ABORT, 'kept'); END;
CREATE TRIGGER payment_kept_d BEFORE DELETE ON payment BEGIN SELECT RAISE(ABORT, 'kept'); END;
CREATE TRIGGER payment_event_kept_u BEFORE UPDATE ON payment_event BEGIN SELECT RAISE(ABORT, 'kept'); END;
CREATE TRIGGER payment_event_kept_d BEFORE DELETE ON payment_event BEGIN SELECT RAISE(ABORT, 'kept'); END;
)sql";

// Version 2. The entries of bank statements already taken, each under its key (the bank's entry
// reference, or the entry's own fields), so that a statement read twice changes nothing; and the ids
// and amounts a statement's entries are matched by.
constexpr const char *version2 = R"sql(
CREATE TABLE statement_entry (
    id INTEGER PRIMARY KEY,
    entry_key TEXT NOT NULL UNIQUE,
    account TEXT NOT NULL,
    booked_on TEXT NOT NULL,
    amount_cents INTEGER NOT NULL,
    currency TEXT NOT NULL,
    credit INTEGER NOT NULL,
    reversal INTEGER NOT NULL,
    outcome TEXT NOT NULL,
    payment_id INTEGER REFERENCES payment (id),
    file TEXT NOT NULL,
    taken_at TEXT NOT NULL
);
CREATE INDEX payment_end_to_end ON payment (end_to_end_id, amount_cents);
CREATE INDEX payment_instruction ON payment (instruction_id);
CREATE INDEX payment_group ON payment (payment_info_id);
CREATE INDEX payment_amount ON payment (amount_cents);
CREATE TRIGGER statement_entry_kept_u BEFORE UPDATE ON statement_entry BEGIN SELECT RAISE(ABORT, 'kept'); END;
CREATE TRIGGER statement_entry_kept_d BEFORE DELETE ON statement_entry BEGIN SELECT RAISE(ABORT, 'kept'); END;
)sql";

constexpr const char *steps[] = {version1, version2};

} // namespace

std::span<const char *const> bookSchemaSteps()
{
    return steps;
}
