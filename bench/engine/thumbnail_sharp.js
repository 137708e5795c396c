// Fits each photo within 1920 x 1920 with sharp and writes it as a JPEG of quality 85 into the
// output folder, under the photo's name; one photo per core at a time, each on one thread.
//
//     node thumbnail_sharp.js SHARP_FOLDER OUTPUT_FOLDER PHOTO...
//
// SHARP_FOLDER is where `npm install sharp` was run (it holds node_modules/sharp).
"use strict";
const os = require("os");
const path = require("path");

const [sharpFolder, output, ...photos] = process.argv.slice(2);
const sharp = require(path.join(path.resolve(sharpFolder), "node_modules", "sharp"));
sharp.concurrency(1);
sharp.cache(false);

let next = 0;
async function convertInTurn() {
    while (next < photos.length) {
        const photo = photos[next++];
        const name = path.basename(photo, path.extname(photo)) + ".jpg";
        await sharp(photo)
            .resize(1920, 1920, { fit: "inside" })
            .jpeg({ quality: 85 })
            .toFile(path.join(output, name));
    }
}

Promise.all(Array.from({ length: os.cpus().length }, convertInTurn)).catch((error) => {
    console.error(error.message);
    process.exit(1);
});
