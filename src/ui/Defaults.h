#pragma once

#include "model/SettingsStore.h"
#include "ui/SlipFieldAccess.h"

// The default loaders. An absent value empties its field; a value of another type stops the loader
// with UserError "Invalid data type for '<name>'", the fields set before it keeping their texts.

// Fills the payer and recipient of the payment slip, then its account, reference number and model
// box only when the recipient is not empty.
void LoadUplatnicaDefaults(const SettingsStore &store, SlipFieldAccess &fields);
// Fills the transfer order's payer and recipient data and its three code boxes.
void LoadZorvatDefaults(const SettingsStore &store, SlipFieldAccess &fields);

// Fills the HUB-3A slip's payer: name, street, place, IBAN, model and reference.
void LoadHub3aDefaults(const SettingsStore &store, SlipFieldAccess &fields);

// The groups of fields that the buttons "Postavi kao default vrijednost" store.
enum class DefaultGroup {
    UplatnicaPayer,
    UplatnicaRecipient,
    ZorvatPayer,
    ZorvatRecipient,
    ZorvatCodes,
    Hub3aPayer
};

// Stores the group's current field texts as its defaults, one value after another.
void StoreDefaults(const SettingsStore &store, const SlipFieldAccess &fields, DefaultGroup group);
