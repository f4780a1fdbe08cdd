<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>Artwork</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>Pembaca Al-Quran dan pemutar tilawah</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Tilvora cannot start.

%1</source>
        <extracomment>%1 is the reason, in a paragraph of its own.</extracomment>
        <translation>Tilvora tidak dapat dijalankan.

%1</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
</context>
<context>
    <name>LogicText</name>
    <message>
        <source>Media Files not found...</source>
        <translation>Berkas audio tidak ditemukan...</translation>
    </message>
    <message>
        <source>Media File %1 is not present at the specified path...
Current Path : %2

Please Specify a valid path for Media Files (using the Controls Menu) and use this Application !</source>
        <translation>Berkas %1 tidak ada di folder yang ditentukan...
Folder sekarang: %2

Silakan tentukan folder berkas audio yang benar (menu Kontrol), lalu gunakan program ini.</translation>
    </message>
    <message>
        <source>Tilvora - ProgramID : </source>
        <translation>Tilvora - nomor program: </translation>
    </message>
    <message>
        <source>No Data found in the Database for Current Voice in Programs registered...

Invalid Programs / Speakers added to database without related Data !</source>
        <translation>Tidak ada data di basis data untuk qari ini di antara program yang terdaftar...

Ada program atau qari yang ditambahkan ke basis data tanpa datanya!</translation>
    </message>
    <message>
        <source>Cannot Access the specified Media File
Make sure that the Media Files folder exists in the same application folder !</source>
        <translation>Berkas audio yang ditentukan tidak dapat diakses
Pastikan folder berkas audio ada di folder program!</translation>
    </message>
    <message>
        <source>No recording of this verse</source>
        <translation>Tidak ada rekaman ayat ini</translation>
    </message>
    <message>
        <source>The voice &quot;%1&quot; has no recording of %2.

Choose another voice in the control pane, or set the folder of this voice&apos;s recordings with Controls &gt; Set Data Path.</source>
        <translation>Qari “%1” tidak punya rekaman %2.

Pilih qari lain di panel kontrol, atau atur folder rekaman qari ini lewat Kontrol &gt; Atur folder rekaman.</translation>
    </message>
    <message>
        <source>No verse was found for “%1”.</source>
        <translation>Tidak ada ayat yang ditemukan untuk “%1”.</translation>
    </message>
    <message>
        <source>No verse to show for this choice.</source>
        <translation>Tidak ada ayat untuk ditampilkan bagi pilihan ini.</translation>
    </message>
    <message>
        <source>%1
Specified path is invalid and cannot be mapped properly...</source>
        <translation>%1
Folder yang ditentukan tidak valid dan tidak dapat dibuka...</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 tidak ada.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 bukan folder.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: permission denied.</source>
        <translation>Folder %1 tidak dapat dibuka: izin ditolak.</translation>
    </message>
    <message>
        <source>There is no verse %1:%2.</source>
        <translation>Tidak ada ayat %1:%2.</translation>
    </message>
    <message>
        <source>The range %1 to %2 ends before it starts.</source>
        <translation>Rentang %1 sampai %2 berakhir sebelum dimulai.</translation>
    </message>
    <message>
        <source>The request could not be carried out: the content database refused it.
%1</source>
        <translation>Permintaan tidak dapat dijalankan: basis data konten menolaknya.
%1</translation>
    </message>
    <message>
        <source>The request could not be carried out: %1</source>
        <translation>Permintaan tidak dapat dijalankan: %1</translation>
    </message>
    <message>
        <source>The verse has no start position in the current voice.</source>
        <translation>Ayat ini tidak memiliki posisi awal dalam suara yang dipilih.</translation>
    </message>
    <message>
        <source>The start position &quot;%1&quot; of the verse is not a number of seconds.</source>
        <translation>Posisi awal ayat &quot;%1&quot; bukan bilangan detik.</translation>
    </message>
    <message>
        <source>An unknown failure stopped the recitation.</source>
        <translation>Kegagalan yang tidak diketahui menghentikan tilawah.</translation>
    </message>
    <message>
        <source>The recitation stopped for an unknown reason.</source>
        <translation>Tilawah berhenti karena alasan yang tidak diketahui.</translation>
    </message>
    <message>
        <source>The speed must be a number from %1 to %2.</source>
        <translation>Kecepatan harus berupa angka dari %1 sampai %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the id of a voice.</source>
        <translation>&quot;%1&quot; bukan id suatu suara.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>%1 harus berupa bilangan bulat dari %2 sampai %3, bukan &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>The verse repeat count</source>
        <translation>Jumlah pengulangan ayat</translation>
    </message>
    <message>
        <source>The range repeat count</source>
        <translation>Jumlah pengulangan rentang</translation>
    </message>
    <message>
        <source>The gap in milliseconds</source>
        <translation>Jeda dalam milidetik</translation>
    </message>
    <message>
        <source>The first verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>Ayat pertama &quot;%1&quot; bukan rujukan ayat seperti 2:255.</translation>
    </message>
    <message>
        <source>The last verse &quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>Ayat terakhir &quot;%1&quot; bukan rujukan ayat seperti 2:255.</translation>
    </message>
    <message>
        <source>The repeat counts, the gap or the time to repeat are out of range.</source>
        <translation>Jumlah pengulangan, jeda, atau waktu untuk mengulang berada di luar batas.</translation>
    </message>
    <message>
        <source>This content database holds no mushaf pages.</source>
        <translation>Basis data konten ini tidak memuat halaman mushaf.</translation>
    </message>
    <message>
        <source>There is no page &quot;%1&quot; in the mushaf: its pages are numbered 1 to %2.</source>
        <translation>Tidak ada halaman &quot;%1&quot; dalam mushaf: halamannya bernomor 1 sampai %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a verse reference such as 2:255.</source>
        <translation>&quot;%1&quot; bukan rujukan ayat seperti 2:255.</translation>
    </message>
    <message>
        <source>There is no page %1 in the mushaf.</source>
        <translation>Tidak ada halaman %1 dalam mushaf.</translation>
    </message>
    <message>
        <source>The mushaf pages of this content database are not numbered 1 to %1.</source>
        <translation>Halaman mushaf dalam basis data konten ini tidak bernomor 1 sampai %1.</translation>
    </message>
    <message>
        <source>The main window could not be prepared. %1</source>
        <translation>Jendela utama tidak dapat disiapkan. %1</translation>
    </message>
    <message>
        <source>The content database %1 was not found. Tilvora needs its content database DIC.DAT in the application folder %2.</source>
        <translation>Basis data konten %1 tidak ditemukan. Tilvora memerlukan basis data kontennya, DIC.DAT, di folder aplikasi %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a Tilvora content database (%2).</source>
        <translation>Berkas %1 bukan basis data konten Tilvora (%2).</translation>
    </message>
    <message>
        <source>The content database %1 cannot be opened: %2</source>
        <translation>Basis data konten %1 tidak dapat dibuka: %2</translation>
    </message>
    <message>
        <source>The content database %1 cannot be written (%2). Tilvora stores your choices in it; make sure no other program holds it and that it is writable, then start again.</source>
        <translation>Basis data konten %1 tidak dapat ditulisi (%2). Tilvora menyimpan pilihan Anda di dalamnya; pastikan tidak ada program lain yang memakainya dan basis data itu dapat ditulisi, lalu mulai lagi.</translation>
    </message>
    <message>
        <source>The content database %1 lacks a table or column that Tilvora needs (%2).</source>
        <translation>Basis data konten %1 tidak memiliki tabel atau kolom yang diperlukan Tilvora (%2).</translation>
    </message>
    <message>
        <source>The content file %1 is damaged (%2), so Tilvora cannot read its texts. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %3 is enough: the next start copies it again.</source>
        <translation>Berkas konten %1 rusak (%2), sehingga Tilvora tidak dapat membaca teks-teksnya. Pasang ulang Tilvora untuk mendapatkan salinan utuhnya. Jika Tilvora berjalan dari folder Anda sendiri, cukup hapus %3: saat dimulai berikutnya berkas itu disalin lagi.</translation>
    </message>
    <message>
        <source>The content file %1 is empty, so Tilvora has no texts to show. Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, deleting %2 is enough: the next start copies it again.</source>
        <translation>Berkas konten %1 kosong, sehingga Tilvora tidak memiliki teks untuk ditampilkan. Pasang ulang Tilvora untuk mendapatkan salinan utuhnya. Jika Tilvora berjalan dari folder Anda sendiri, cukup hapus %2: saat dimulai berikutnya berkas itu disalin lagi.</translation>
    </message>
    <message>
        <source>The database file %1 does not exist.</source>
        <translation>Berkas basis data %1 tidak ada.</translation>
    </message>
    <message>
        <source>%1 is not a database file.</source>
        <translation>%1 bukan berkas basis data.</translation>
    </message>
    <message>
        <source>The database file %1 cannot be opened: %2</source>
        <translation>Berkas basis data %1 tidak dapat dibuka: %2</translation>
    </message>
    <message>
        <source>Your Tilvora folder %1 could not be brought up to date with the installed content, so Tilvora uses it as it was. %2</source>
        <translation>Folder Tilvora Anda %1 tidak dapat diperbarui dengan konten yang terpasang, sehingga Tilvora memakainya seperti sebelumnya. %2</translation>
    </message>
    <message>
        <source>Tilvora could not make your own folder %1. %2</source>
        <translation>Tilvora tidak dapat membuat folder Anda sendiri %1. %2</translation>
    </message>
    <message>
        <source>The installed folder %1 holds no content database (DIC.DAT).</source>
        <translation>Folder terpasang %1 tidak memuat basis data konten (DIC.DAT).</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Folder %1 tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>Another Tilvora is updating %1; it was waited for a minute.</source>
        <translation>Tilvora lain sedang memperbarui %1; sudah ditunggu selama satu menit.</translation>
    </message>
    <message>
        <source>A new folder beside %1 cannot be made: %2</source>
        <translation>Folder baru di samping %1 tidak dapat dibuat: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Berkas %1 tidak dapat ditulisi: %2</translation>
    </message>
    <message>
        <source>The link %1 to the installed recordings cannot be made: %2</source>
        <translation>Tautan %1 ke rekaman yang terpasang tidak dapat dibuat: %2</translation>
    </message>
    <message>
        <source>The voice folders of %1 cannot be carried into the new content: %2</source>
        <translation>Folder suara dari %1 tidak dapat dibawa ke konten baru: %2</translation>
    </message>
    <message>
        <source>The new folder cannot take the place of %1: %2</source>
        <translation>Folder baru tidak dapat menggantikan %1: %2</translation>
    </message>
    <message>
        <source>There is no voice %1.</source>
        <translation>Tidak ada suara %1.</translation>
    </message>
    <message>
        <source>The voice %1 has no media folder.</source>
        <translation>Suara %1 tidak memiliki folder rekaman.</translation>
    </message>
    <message>
        <source>The folder %1 holds no recording of chapter %2 (%3 or %4).</source>
        <translation>Folder %1 tidak memuat rekaman surah %2 (%3 atau %4).</translation>
    </message>
    <message>
        <source>There is no chapter %1.</source>
        <translation>Tidak ada surah %1.</translation>
    </message>
    <message>
        <source>The voice %1 has recordings of its own for chapter %2 (files other than %3, for %4 of its verses); the starts found were not stored over them.</source>
        <translation>Suara %1 memiliki rekaman sendiri untuk surah %2 (berkas selain %3, untuk %4 ayatnya); awal yang ditemukan tidak disimpan menimpanya.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it holds only silence or steady noise.</source>
        <translation>Tidak ditemukan tilawah dalam %1: isinya hanya hening atau derau tetap.</translation>
    </message>
    <message>
        <source>No recitation found in %1: it pauses %2 times, where a recitation of the chapter&apos;s %3 verses pauses at least %4 times (a reciter pauses at the end of most verses).</source>
        <translation>Tidak ditemukan tilawah dalam %1: ada %2 jeda, padahal tilawah %3 ayat surah ini berhenti sedikitnya %4 kali (qari berhenti di akhir sebagian besar ayat).</translation>
    </message>
    <message>
        <source>The recording %1 cannot be read.</source>
        <translation>Rekaman %1 tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>The audio decoder gst-launch-1.0 could not be started; it comes with the package gstreamer1.0-tools.</source>
        <translation>Pengurai audio gst-launch-1.0 tidak dapat dijalankan; ia tersedia dalam paket gstreamer1.0-tools.</translation>
    </message>
    <message>
        <source>The file %1 is not an audio file.</source>
        <translation>Berkas %1 bukan berkas audio.</translation>
    </message>
    <message>
        <source>The recording %1 could not be decoded: %2</source>
        <translation>Rekaman %1 tidak dapat diurai: %2</translation>
    </message>
    <message>
        <source>The recording %1 holds no sound.</source>
        <translation>Rekaman %1 tidak berisi suara.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address to download from (it must start with http:// or https://).</source>
        <translation>&quot;%1&quot; bukan alamat web untuk mengunduh (harus diawali http:// atau https://).</translation>
    </message>
    <message>
        <source>The chapters to download must run from 1 to 114, first to last, not %1 to %2.</source>
        <translation>Surah yang diunduh harus dari 1 sampai 114, dari awal ke akhir, bukan %1 sampai %2.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Folder %1 tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>ruang disk habis</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>server menjawab %1</translation>
    </message>
    <message>
        <source>the server sent a page (%1), not a recording</source>
        <translation>server mengirim halaman (%1), bukan rekaman</translation>
    </message>
    <message>
        <source>the server announced %1 bytes, more than the %2 a verse&apos;s recording may take</source>
        <translation>server menyebut %1 bita, lebih dari %2 yang boleh dipakai rekaman satu ayat</translation>
    </message>
    <message>
        <source>the server resumed the file at the wrong place</source>
        <translation>server melanjutkan berkas dari tempat yang salah</translation>
    </message>
    <message>
        <source>it is larger than the %1 a verse&apos;s recording may take</source>
        <translation>ukurannya melebihi %1 yang boleh dipakai rekaman satu ayat</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>waktu habis</translation>
    </message>
    <message>
        <source>the server refused to resume the file</source>
        <translation>server menolak melanjutkan berkas</translation>
    </message>
    <message>
        <source>it arrived with %1 of %2 bytes</source>
        <translation>yang tiba hanya %1 dari %2 bita</translation>
    </message>
    <message>
        <source>the server sent the download to an address that is not http or https</source>
        <translation>server mengalihkan unduhan ke alamat yang bukan http atau https</translation>
    </message>
    <message>
        <source>the server sent the download elsewhere too many times</source>
        <translation>server terlalu sering mengalihkan unduhan ke tempat lain</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>server berhenti menjawab</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>server tidak dapat dijangkau</translation>
    </message>
    <message>
        <source>the server is too slow</source>
        <translation>server terlalu lambat</translation>
    </message>
    <message>
        <source>it arrived cut short (its last audio frame is incomplete)</source>
        <translation>tiba terpotong (bingkai audio terakhirnya tidak lengkap)</translation>
    </message>
    <message>
        <source>what arrived is not an MP3 recording</source>
        <translation>yang tiba bukan rekaman MP3</translation>
    </message>
    <message>
        <source>it could not be put in place: %1</source>
        <translation>berkas tidak dapat ditaruh di tempatnya: %1</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a chapter may take</source>
        <translation>ukurannya melebihi %1 MB yang boleh dipakai satu surah</translation>
    </message>
    <message>
        <source>chapter %1: %2</source>
        <translation>surah %1: %2</translation>
    </message>
    <message>
        <source>the server sent a web page, not the text</source>
        <translation>server mengirim halaman web, bukan teksnya</translation>
    </message>
    <message>
        <source>what arrived is not the service&apos;s data</source>
        <translation>yang tiba bukan data layanan</translation>
    </message>
    <message>
        <source>the service answered %1</source>
        <translation>layanan menjawab %1</translation>
    </message>
    <message>
        <source>the service&apos;s answer holds no list of texts</source>
        <translation>jawaban layanan tidak memuat daftar teks</translation>
    </message>
    <message>
        <source>the service sent chapter %1 instead</source>
        <translation>layanan malah mengirim surah %1</translation>
    </message>
    <message>
        <source>it has %1 verses, the chapter has %2</source>
        <translation>isinya %1 ayat, surahnya %2 ayat</translation>
    </message>
    <message>
        <source>its verse numbers are not 1 to %1, each once</source>
        <translation>nomor ayatnya bukan 1 sampai %1, masing-masing sekali</translation>
    </message>
    <message>
        <source>verse %1 has no text</source>
        <translation>ayat %1 tidak berisi teks</translation>
    </message>
    <message>
        <source>the service did not answer in time</source>
        <translation>layanan tidak menjawab tepat waktu</translation>
    </message>
    <message>
        <source>the service cannot be reached (%1)</source>
        <translation>layanan tidak dapat dijangkau (%1)</translation>
    </message>
    <message>
        <source>Your data could not be written to %1: %2.</source>
        <translation>Data Anda tidak dapat ditulis ke %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Berkas %1 tidak dapat dibaca: %2.</translation>
    </message>
    <message>
        <source>%1 is not a file of your Tilvora data (one written by File, Export my data). Nothing was changed.</source>
        <translation>%1 bukan berkas data Tilvora Anda (yang ditulis oleh Berkas, Ekspor data saya). Tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>%1 was written by a newer Tilvora, whose data this one cannot read. Nothing was changed.</source>
        <translation>%1 ditulis oleh Tilvora yang lebih baru, yang datanya tidak dapat dibaca versi ini. Tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>your own file %1 cannot be used</source>
        <translation>berkas Anda sendiri %1 tidak dapat dipakai</translation>
    </message>
    <message>
        <source>your own file cannot be changed now</source>
        <translation>berkas Anda sendiri tidak dapat diubah sekarang</translation>
    </message>
    <message>
        <source>your own file could not be changed</source>
        <translation>berkas Anda sendiri tidak dapat diubah</translation>
    </message>
    <message>
        <source>%1 could not be imported: %2. Nothing was changed.</source>
        <translation>%1 tidak dapat diimpor: %2. Tidak ada yang diubah.</translation>
    </message>
    <message>
        <source>What you learn and your notes cannot be kept: the file %1 cannot be used. They last until Tilvora closes.</source>
        <translation>Hafalan dan catatan Anda tidak dapat disimpan: berkas %1 tidak dapat dipakai. Semuanya bertahan sampai Tilvora ditutup.</translation>
    </message>
    <message>
        <source>Your bookmarks cannot be kept: the file %1 cannot be written. Bookmarks made now last until Tilvora closes.</source>
        <translation>Penanda Anda tidak dapat disimpan: berkas %1 tidak dapat ditulisi. Penanda yang dibuat sekarang bertahan sampai Tilvora ditutup.</translation>
    </message>
    <message>
        <source>Your bookmarks file could not be read. It was set aside as %1, and Tilvora starts with no bookmarks.</source>
        <translation>Berkas penanda Anda tidak dapat dibaca. Berkas itu disisihkan sebagai %1, dan Tilvora dimulai tanpa penanda.</translation>
    </message>
    <message>
        <source>the text could not be stored: %1</source>
        <translation>teks tidak dapat disimpan: %1</translation>
    </message>
    <message>
        <source>the text could not be installed: %1</source>
        <translation>teks tidak dapat dipasang: %1</translation>
    </message>
</context>
<context>
    <name>PaneTexts</name>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Whole Quran</source>
        <translation>Seluruh Al-Quran</translation>
    </message>
    <message>
        <source>Arabic without vowel marks, or words of a translation</source>
        <translation>Arab tanpa harakat, atau kata dari terjemahan</translation>
    </message>
    <message>
        <source>Arabic is found without vowel marks; translations ignore letter case</source>
        <translation>Arab dicari tanpa harakat; terjemahan tidak membedakan huruf besar dan kecil</translation>
    </message>
    <message>
        <source>Search every verse of every text; unticked, only the page shown is searched</source>
        <translation>Cari di setiap ayat setiap teks; jika tidak dicentang, hanya di halaman yang tampil</translation>
    </message>
    <message>
        <source>Chapter</source>
        <extracomment>The first entry of the list of chapters (surahs).</extracomment>
        <translation>Surah</translation>
    </message>
    <message>
        <source>Part</source>
        <extracomment>The first entry of the list of the thirty parts (juz).</extracomment>
        <translation>Juz</translation>
    </message>
    <message>
        <source>Root (approx.)</source>
        <extracomment>The first entry of the list of roots, which are found automatically.</extracomment>
        <translation>Akar kata (perkiraan)</translation>
    </message>
    <message>
        <source>Subject · موضوع</source>
        <extracomment>The first entry of the list of subjects, with the Arabic word.</extracomment>
        <translation>Topik · موضوع</translation>
    </message>
    <message>
        <source>كلمة · Word</source>
        <extracomment>The first entry of the list of words, with the Arabic word.</extracomment>
        <translation>كلمة · Kata</translation>
    </message>
    <message>
        <source>Show a chapter (surah)</source>
        <translation>Tampilkan surah</translation>
    </message>
    <message>
        <source>Show a part (juz)</source>
        <translation>Tampilkan juz</translation>
    </message>
    <message>
        <source>Show the verses of a root (roots are found automatically and are approximate)</source>
        <translation>Tampilkan ayat dari akar kata (akar ditemukan otomatis dan hanya perkiraan)</translation>
    </message>
    <message>
        <source>Show the verses of a subject</source>
        <translation>Tampilkan ayat dari topik</translation>
    </message>
    <message>
        <source>Show the verses that hold a word (written without vowel marks)</source>
        <translation>Tampilkan ayat yang memuat kata (ditulis tanpa harakat)</translation>
    </message>
    <message>
        <source>Part %1</source>
        <translation>Juz %1</translation>
    </message>
    <message>
        <source>Text in row %1</source>
        <extracomment>A screen reader&apos;s name of the list that chooses the text shown in a row of the reading pane; %1 is the row&apos;s number (1 to 4).</extracomment>
        <translation>Teks di baris %1</translation>
    </message>
    <message>
        <source>Media folder of %1</source>
        <extracomment>A screen reader&apos;s name of the link beside a voice that sets the folder of its recordings; %1 is the voice&apos;s name.</extracomment>
        <translation>Folder rekaman %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 d</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 mnt %2 d</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>  No verse
  shown</source>
        <extracomment>The label beside the search box: the view shows no verse.</extracomment>
        <translation>  Tidak ada ayat
  ditampilkan</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  shown</source>
        <extracomment>The label beside the search box: how many verses the view shows.</extracomment>
        <translation>
            <numerusform>  %Ln ayat
  ditampilkan</numerusform>
        </translation>
    </message>
    <message>
        <source>  No verse
  found</source>
        <extracomment>The label beside the search box: a search found nothing.</extracomment>
        <translation>  Tidak ada ayat
  ditemukan</translation>
    </message>
    <message numerus="yes">
        <source>  %Ln verses
  found</source>
        <extracomment>The label beside the search box: how many verses a search found (all shown).</extracomment>
        <translation>
            <numerusform>  %Ln ayat
  ditemukan</numerusform>
        </translation>
    </message>
    <message>
        <source>  %1 found,
  %2 shown</source>
        <extracomment>The label beside the search box: verses found, and how many of them are shown.</extracomment>
        <translation>  %1 ditemukan,
  %2 ditampilkan</translation>
    </message>
    <message>
        <source>Recitation ended. Left out, with no recording in “%1”: %2.</source>
        <extracomment>%1 is the voice, %2 the list of verses (chapter:verse) left out.</extracomment>
        <translation>Tilawah selesai. Dilewati karena tidak ada rekaman pada “%1”: %2.</translation>
    </message>
    <message>
        <source>%1 has no recording in “%2”: left out, the recitation goes on.</source>
        <extracomment>%1 is a verse (chapter:verse), %2 the voice.</extracomment>
        <translation>%1 tidak punya rekaman pada “%2”: dilewati, tilawah berlanjut.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Your settings cannot be kept: %1 is a folder, not a file. The choices you make now last until Tilvora closes.</source>
        <translation>Pengaturan Anda tidak dapat disimpan: %1 adalah folder, bukan berkas. Pilihan Anda sekarang berlaku sampai Tilvora ditutup.</translation>
    </message>
    <message>
        <source>Your settings cannot be kept: the file %1 cannot be written. The choices you make now last until Tilvora closes.</source>
        <translation>Pengaturan Anda tidak dapat disimpan: berkas %1 tidak dapat ditulis. Pilihan Anda sekarang berlaku sampai Tilvora ditutup.</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and cannot be replaced; the settings it holds are not all used.</source>
        <translation>Berkas pengaturan %1 rusak dan tidak dapat diganti; tidak semua pengaturan di dalamnya dipakai.</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged. The settings that could be read are kept; the others are back to their usual values.</source>
        <translation>Berkas pengaturan %1 rusak. Pengaturan yang terbaca disimpan; yang lain kembali ke nilai biasanya.</translation>
    </message>
</context>
<context>
    <name>VerseMenu</name>
    <message>
        <source>Show in the &amp;mushaf</source>
        <translation>Tampilkan di &amp;mushaf</translation>
    </message>
    <message>
        <source>&amp;Bookmark this verse</source>
        <translation>&amp;Tandai ayat ini</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>Copy &amp;verse</source>
        <translation>Salin &amp;ayat</translation>
    </message>
    <message>
        <source>Copy &amp;reference</source>
        <translation>Salin &amp;rujukan</translation>
    </message>
    <message>
        <source>Recite from &amp;here</source>
        <translation>Baca dari &amp;sini</translation>
    </message>
    <message>
        <source>Re&amp;peat this verse...</source>
        <translation>&amp;Ulangi ayat ini...</translation>
    </message>
    <message>
        <source>Repeat from here &amp;to...</source>
        <translation>Ulangi dari sini &amp;sampai...</translation>
    </message>
    <message>
        <source>&amp;Note...</source>
        <translation>&amp;Catatan...</translation>
    </message>
    <message>
        <source>&amp;Listen and repeat from here...</source>
        <translation>&amp;Dengar dan ulangi dari sini...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::AboutWindow</name>
    <message>
        <source>Quran reader and recitation player</source>
        <translation>Pembaca Al-Quran dan pemutar tilawah</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Artwork and program by the Tilvora developers. Most translations are for non-commercial use only.</source>
        <translation>Gambar dan program oleh pengembang Tilvora. Sebagian besar terjemahan hanya untuk penggunaan nonkomersial.</translation>
    </message>
    <message>
        <source>Tilvora shows the Quran with its translations and recites it.</source>
        <translation>Tilvora menampilkan Al-Quran beserta terjemahannya dan membacakannya.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChapterAlignmentDialog</name>
    <message>
        <source>Replace Them</source>
        <translation>Ganti</translation>
    </message>
    <message>
        <source>Keep Them</source>
        <translation>Pertahankan</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files</source>
        <extracomment>The title of the window that finds where each verse starts in recordings of whole chapters.</extracomment>
        <translation>Awal ayat dalam berkas surah</translation>
    </message>
    <message>
        <source>Verse starts in the chapter files - %1</source>
        <translation>Awal ayat dalam berkas surah - %1</translation>
    </message>
    <message>
        <source>Looking for the chapter files...</source>
        <translation>Mencari berkas surah...</translation>
    </message>
    <message>
        <source>Verses to check (their starts were found with low confidence):</source>
        <translation>Ayat yang perlu diperiksa (awalnya ditemukan dengan keyakinan rendah):</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Ayat</translation>
    </message>
    <message>
        <source>Start (s)</source>
        <extracomment>A column heading: where the verse starts, in seconds.</extracomment>
        <translation>Awal (d)</translation>
    </message>
    <message>
        <source>Confidence</source>
        <translation>Keyakinan</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds.</extracomment>
        <translation> d</translation>
    </message>
    <message>
        <source>- 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second earlier.</extracomment>
        <translation>- 0,1 d</translation>
    </message>
    <message>
        <source>+ 0.1 s</source>
        <extracomment>Moves the verse&apos;s start a tenth of a second later.</extracomment>
        <translation>+ 0,1 d</translation>
    </message>
    <message>
        <source>Play around it</source>
        <extracomment>Plays the recording from a little before the verse&apos;s start.</extracomment>
        <translation>Putar di sekitarnya</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Awal:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Menghentikan...</translation>
    </message>
    <message>
        <source>No chapter file was found (001.mp3 ... 114.mp3, or .wma). %1</source>
        <extracomment>%1 is the reason the first chapter file could not be used.</extracomment>
        <translation>Tidak ada berkas surah yang ditemukan (001.mp3 ... 114.mp3, atau .wma). %1</translation>
    </message>
    <message numerus="yes">
        <source>This voice already has recordings of its own for %n verses in the chapters %1 (a file per verse, say). Replace them with the starts found in the chapter files?

If you keep them, those chapters are left as they are.</source>
        <extracomment>%n is the number of verses; %1 the list of chapter numbers.</extracomment>
        <translation>
            <numerusform>Qari ini sudah punya rekaman sendiri untuk %n ayat di surah %1 (misalnya satu berkas per ayat). Ganti dengan awal ayat yang ditemukan dalam berkas surah?

Jika dipertahankan, surah-surah itu dibiarkan apa adanya.</numerusform>
        </translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Surah %1</translation>
    </message>
    <message>
        <source>The voice&apos;s own recordings were kept.</source>
        <translation>Rekaman milik qari ini dipertahankan.</translation>
    </message>
    <message>
        <source>Nothing was changed: the voice keeps its own recordings.</source>
        <translation>Tidak ada yang diubah: qari ini tetap memakai rekamannya sendiri.</translation>
    </message>
    <message numerus="yes">
        <source>Finding the verse starts of %n chapters...</source>
        <translation>
            <numerusform>Mencari awal ayat dari %n surah...</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped: nothing was stored.</source>
        <translation>Dihentikan: tidak ada yang disimpan.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the starts of %1 of %n chapters are stored.</source>
        <translation>
            <numerusform>Dihentikan: awal ayat %1 dari %n surah disimpan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Done: the starts of %1 of %2 chapters are stored; %n verses to check.</source>
        <extracomment>%1 chapters stored out of %2; %n verses to check by ear.</extracomment>
        <translation>
            <numerusform>Selesai: awal ayat %1 dari %2 surah disimpan; %n ayat perlu diperiksa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>The start could not be stored: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Awal ayat tidak dapat disimpan: %1</translation>
    </message>
    <message>
        <source>Verse %1:%2 now starts at %3 s.</source>
        <extracomment>%1:%2 is the verse as chapter:verse, %3 a number of seconds.</extracomment>
        <translation>Ayat %1:%2 kini dimulai pada %3 d.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ChoiceMemory</name>
    <message>
        <source>&amp;Remember My Texts and Voice</source>
        <extracomment>Whether the texts and the voice chosen in the control pane are chosen again at the next start.</extracomment>
        <translation>&amp;Ingat teks dan qari pilihan saya</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ControlPaneFollower</name>
    <message>
        <source>— None —</source>
        <extracomment>The entry of a row&apos;s list of texts that empties the row.</extracomment>
        <translation>— Tidak ada —</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::DownloadDialog</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size in kilobytes.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A time left: seconds.</extracomment>
        <translation>%1 d</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>A time left: minutes and seconds.</extracomment>
        <translation>%1 mnt %2 d</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A time left: hours and minutes.</extracomment>
        <translation>%1 j %2 mnt</translation>
    </message>
    <message>
        <source>Download recitation</source>
        <translation>Unduh tilawah</translation>
    </message>
    <message>
        <source>%1 (%2 kbps)</source>
        <extracomment>A reciter and the bit rate of the recordings.</extracomment>
        <translation>%1 (%2 kbps)</translation>
    </message>
    <message>
        <source>Another address...</source>
        <translation>Alamat lain...</translation>
    </message>
    <message>
        <source>SSSAAA.mp3 (chapter and verse)</source>
        <translation>SSSAAA.mp3 (surah dan ayat)</translation>
    </message>
    <message>
        <source>N.mp3 (verse number in the book)</source>
        <translation>N.mp3 (nomor ayat dalam mushaf)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>sampai</translation>
    </message>
    <message>
        <source>A voice without a folder gets one in your data folder.</source>
        <translation>Qari tanpa folder mendapat folder di folder data Anda.</translation>
    </message>
    <message>
        <source>Reciter:</source>
        <translation>Qari:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Alamat:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>Nama berkas:</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Surah:</translation>
    </message>
    <message>
        <source>Voice to fill:</source>
        <translation>Qari yang diisi:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduh</translation>
    </message>
    <message>
        <source>No voice reads one file per verse (SSSAAA.mp3), so there is no voice to fill.</source>
        <translation>Tidak ada qari yang membaca satu berkas per ayat (SSSAAA.mp3), jadi tidak ada qari untuk diisi.</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>Ke %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3</source>
        <extracomment>%1 files done of %2, %3 the size received so far.</extracomment>
        <translation>%1 dari %2 berkas, %3</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s</source>
        <extracomment>%1 files done of %2, %3 the size received so far, %4 the size received per second.</extracomment>
        <translation>%1 dari %2 berkas, %3, %4/d</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3, %4/s, about %5 left</source>
        <extracomment>As before, and %5 the time left, e.g. &quot;3 min 20 s&quot;.</extracomment>
        <translation>%1 dari %2 berkas, %3, %4/d, sekitar %5 lagi</translation>
    </message>
    <message>
        <source>Cancelled. </source>
        <translation>Dibatalkan. </translation>
    </message>
    <message>
        <source>The download stopped: %1. </source>
        <translation>Unduhan berhenti: %1. </translation>
    </message>
    <message>
        <source>%1 stored, %2 already there, %3 failed.</source>
        <extracomment>Files stored, files that were there already, files that failed.</extracomment>
        <translation>%1 disimpan, %2 sudah ada, %3 gagal.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::GstAudioPlayer</name>
    <message>
        <source>The recording %1 cannot be played: GStreamer&apos;s playbin is not installed.</source>
        <translation>Rekaman %1 tidak dapat diputar: playbin GStreamer belum terpasang.</translation>
    </message>
    <message>
        <source>The recording %1 could not be opened.</source>
        <translation>Rekaman %1 tidak dapat dibuka.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>galat tak dikenal</translation>
    </message>
    <message>
        <source>The recording %1 could not be played: %2</source>
        <translation>Rekaman %1 tidak dapat diputar: %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <extracomment>The View menu&apos;s submenu that sets the language of the program&apos;s windows.</extracomment>
        <translation>&amp;Bahasa</translation>
    </message>
    <message>
        <source>System Default</source>
        <extracomment>The language of the system (the default), as opposed to one chosen here.</extracomment>
        <translation>Bawaan sistem</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MainWindow</name>
    <message>
        <source> .:: Tilvora (version %1) ::.</source>
        <extracomment>The main window&apos;s title; %1 is the version, e.g. 2.08.09A.</extracomment>
        <translation> .:: Tilvora (versi %1) ::.</translation>
    </message>
    <message>
        <source>Drag to widen or narrow the control pane; double-click for the usual width</source>
        <translation>Seret untuk melebarkan atau menyempitkan panel kontrol; klik ganda untuk lebar biasa</translation>
    </message>
    <message>
        <source>Left and Right move it; Space gives the panes their usual widths</source>
        <translation>Kiri dan Kanan menggesernya; Spasi mengembalikan lebar panel seperti biasa</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Kontrol</translation>
    </message>
    <message>
        <source>Go to the search box</source>
        <translation>Ke kotak pencarian</translation>
    </message>
    <message>
        <source>  Search Result(s):  </source>
        <extracomment>The label beside the search box before anything was shown.</extracomment>
        <translation>  Hasil pencarian:  </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Controls menu</source>
        <translation>Menu Kontrol</translation>
    </message>
    <message>
        <source>Pane divider</source>
        <extracomment>The strip between the reading pane and the control pane, which moves them apart when dragged.</extracomment>
        <translation>Pembatas panel</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <extracomment>The menu of the control pane (the pane where the texts and the voice are chosen).</extracomment>
        <translation>&amp;Kontrol</translation>
    </message>
    <message>
        <source>&amp;Hide/Un-Hide Pane</source>
        <extracomment>Hides the control pane, or shows it again.</extracomment>
        <translation>&amp;Sembunyikan/tampilkan panel</translation>
    </message>
    <message>
        <source>Set Data &amp;Path</source>
        <extracomment>The submenu that sets the folder where a voice&apos;s recordings are.</extracomment>
        <translation>Atur &amp;folder rekaman</translation>
    </message>
    <message>
        <source>Voice %1</source>
        <translation>Qari %1</translation>
    </message>
    <message>
        <source>&amp;Download recitation...</source>
        <translation>&amp;Unduh tilawah...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Tentang</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>An unexpected failure stopped the request.</source>
        <translation>Kesalahan tak terduga menghentikan permintaan.</translation>
    </message>
    <message>
        <source>Download &amp;texts...</source>
        <translation>Unduh &amp;teks...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MediaFolderDialog</name>
    <message>
        <source>Specify / Select a valid Path...</source>
        <extracomment>The title of the dialog that sets the folder of a voice&apos;s recordings.</extracomment>
        <translation>Tentukan / pilih folder yang benar...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is the dialog&apos;s title, %2 the voice.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Please browse the path of the Media Files Folder :</source>
        <translation>Silakan pilih folder berkas audio:</translation>
    </message>
    <message>
        <source>Mounted volumes</source>
        <translation>Volume yang terpasang</translation>
    </message>
    <message>
        <source>This folder holds one file per chapter</source>
        <translation>Folder ini berisi satu berkas per surah</translation>
    </message>
    <message>
        <source>Find where each verse starts in the chapter files (001.mp3 ... 114.mp3)</source>
        <translation>Cari awal setiap ayat dalam berkas surah (001.mp3 ... 114.mp3)</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Terima</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Mapping Path exception...</source>
        <extracomment>The title of the message that the voice&apos;s stored folder cannot be opened.</extracomment>
        <translation>Folder tidak ditemukan...</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MemoriseDesk</name>
    <message>
        <source>&amp;Memorise</source>
        <translation>&amp;Hafalan</translation>
    </message>
    <message>
        <source>&amp;Learn this page / verse range / chapter...</source>
        <translation>&amp;Hafalkan halaman / ayat / surah ini...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review</source>
        <translation>&amp;Murajaah hari ini</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Kemajuan</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>&amp;Lupakan...</translation>
    </message>
    <message>
        <source>Daily &amp;limit...</source>
        <translation>&amp;Batas harian...</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;review (%1)</source>
        <extracomment>%1 is how many pages are due today.</extracomment>
        <translation>&amp;Murajaah hari ini (%1)</translation>
    </message>
    <message>
        <source>&amp;Export my data...</source>
        <translation>&amp;Ekspor data saya...</translation>
    </message>
    <message>
        <source>&amp;Import my data...</source>
        <translation>&amp;Impor data saya...</translation>
    </message>
    <message>
        <source>&amp;Notes...</source>
        <translation>&amp;Catatan-catatan...</translation>
    </message>
    <message>
        <source>Memorise</source>
        <translation>Hafalan</translation>
    </message>
    <message>
        <source>Nothing is due for review today. Take up a page with Memorise, Learn.</source>
        <translation>Tidak ada yang perlu dimurajaah hari ini. Ambil satu halaman dengan Hafalan, Hafalkan.</translation>
    </message>
    <message>
        <source>The grade of page %1 could not be stored in your file.</source>
        <translation>Nilai halaman %1 tidak dapat disimpan di berkas Anda.</translation>
    </message>
    <message>
        <source>The verses to learn could not be stored in your file.</source>
        <translation>Ayat yang akan dihafal tidak dapat disimpan di berkas Anda.</translation>
    </message>
    <message>
        <source>The verses could not be taken out: your file could not be changed.</source>
        <translation>Ayat tidak dapat dikeluarkan: berkas Anda tidak dapat diubah.</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Lupakan</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Hafalkan</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Lupakan</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Hafalkan</translation>
    </message>
    <message>
        <source>You are learning %1 now; it is due for review today.</source>
        <translation>Anda sekarang menghafal %1; jatuh tempo murajaah hari ini.</translation>
    </message>
    <message>
        <source>Take %1 out of what you are learning? Its review schedule goes; the history of its reviews stays.</source>
        <translation>Keluarkan %1 dari hafalan Anda? Jadwal murajaahnya hilang; riwayat murajaahnya tetap.</translation>
    </message>
    <message>
        <source>%1 is taken out of what you are learning.</source>
        <translation>%1 dikeluarkan dari hafalan Anda.</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>Batas harian</translation>
    </message>
    <message>
        <source>Pages to review a day at most (1 to %1):</source>
        <translation>Halaman yang dimurajaah sehari paling banyak (1 sampai %1):</translation>
    </message>
    <message>
        <source>The daily limit could not be stored in your file.</source>
        <translation>Batas harian tidak dapat disimpan di berkas Anda.</translation>
    </message>
    <message>
        <source>The note could not be stored in your file.</source>
        <translation>Catatan tidak dapat disimpan di berkas Anda.</translation>
    </message>
    <message>
        <source>Your data is written to %1: %2 bookmarks, %3 notes, %4 verses being learnt.</source>
        <extracomment>After the export: how many of each were written.</extracomment>
        <translation>Data Anda ditulis ke %1: %2 penanda, %3 catatan, %4 ayat sedang dihafal.</translation>
    </message>
    <message>
        <source>Taken in from %1: %2 bookmarks, %3 notes, %4 verses being learnt, joined with yours; nothing of yours was lost.</source>
        <translation>Diambil dari %1: %2 penanda, %3 catatan, %4 ayat sedang dihafal, digabung dengan milik Anda; tidak ada milik Anda yang hilang.</translation>
    </message>
    <message>
        <source>Export my data</source>
        <translation>Ekspor data saya</translation>
    </message>
    <message>
        <source>Tilvora data (*.json)</source>
        <translation>Data Tilvora (*.json)</translation>
    </message>
    <message>
        <source>Import my data</source>
        <translation>Impor data saya</translation>
    </message>
    <message>
        <source>Tilvora data (*.json);;All files (*)</source>
        <translation>Data Tilvora (*.json);;Semua berkas (*)</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::MushafMode</name>
    <message>
        <source>&amp;Mushaf pages</source>
        <extracomment>The reading pane&apos;s second mode: the pages of a printed copy of the Quran.</extracomment>
        <translation>Halaman &amp;mushaf</translation>
    </message>
    <message>
        <source>&amp;Go to page...</source>
        <translation>&amp;Ke halaman...</translation>
    </message>
    <message>
        <source>&amp;Hide the text</source>
        <extracomment>Hides the text of the mushaf&apos;s page, for reciting from memory.</extracomment>
        <translation>&amp;Sembunyikan teks</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <extracomment>Shows hidden text of the mushaf&apos;s page again, step by step.</extracomment>
        <translation>&amp;Buka</translation>
    </message>
    <message>
        <source>Next &amp;word</source>
        <translation>&amp;Kata berikutnya</translation>
    </message>
    <message>
        <source>Rest of the &amp;line</source>
        <translation>Sisa &amp;baris</translation>
    </message>
    <message>
        <source>Rest of the &amp;verse</source>
        <translation>Sisa &amp;ayat</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;Semua</translation>
    </message>
    <message>
        <source>&amp;Hide the last word again</source>
        <translation>Sem&amp;bunyikan lagi kata terakhir</translation>
    </message>
    <message>
        <source>Mushaf pages</source>
        <translation>Halaman mushaf</translation>
    </message>
    <message>
        <source>Go to page</source>
        <translation>Ke halaman</translation>
    </message>
    <message>
        <source>Page of the mushaf (1 to %1):</source>
        <extracomment>%1 is the number of the mushaf&apos;s last page.</extracomment>
        <translation>Halaman mushaf (1 sampai %1):</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NoteDialog</name>
    <message>
        <source>Note on %1</source>
        <extracomment>%1 names the verse, as Al-Baqarah 2:255.</extracomment>
        <translation>Catatan pada %1</translation>
    </message>
    <message>
        <source>Your note</source>
        <translation>Catatan Anda</translation>
    </message>
    <message>
        <source>Saved as you typed it. An empty note is removed.</source>
        <translation>Disimpan seperti yang Anda ketik. Catatan kosong dihapus.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::NotesDialog</name>
    <message>
        <source>Your notes</source>
        <translation>Catatan Anda</translation>
    </message>
    <message>
        <source>Search in your notes</source>
        <translation>Cari di catatan Anda</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Ayat</translation>
    </message>
    <message>
        <source>First line</source>
        <translation>Baris pertama</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Diubah</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Buka</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Sunting...</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Cari:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::PlayerStrip</name>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Berhenti</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posisi</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Bisukan</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Previous verse</source>
        <translation>Ayat sebelumnya</translation>
    </message>
    <message>
        <source>Next verse</source>
        <translation>Ayat berikutnya</translation>
    </message>
    <message>
        <source>Repeat: how often each verse and the whole range are recited, and the pause between</source>
        <translation>Ulangi: berapa kali setiap ayat dan seluruh rentang dibaca, dan jeda di antaranya</translation>
    </message>
    <message>
        <source> times</source>
        <extracomment>After a spin box&apos;s number: how often a verse or a range is recited.</extracomment>
        <translation> kali</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>sampai dihentikan</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>After a spin box&apos;s number: milliseconds.</extracomment>
        <translation> md</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>Setiap ayat:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>Seluruh rentang:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>Jeda di antaranya:</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Kecepatan</translation>
    </message>
    <message>
        <source>%1×</source>
        <extracomment>A playback speed, e.g. 1.5×.</extracomment>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1× / %2 ▾</source>
        <extracomment>The repeat button&apos;s counts: each verse %1 times, the range %2 times (∞: until stopped).</extracomment>
        <translation>%1× / %2 ▾</translation>
    </message>
    <message>
        <source>Repeat %1</source>
        <extracomment>The repeat button&apos;s caption; %1 are its counts.</extracomment>
        <translation>Ulangi %1</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range until stopped</source>
        <translation>Ulangi: setiap ayat %1 kali, rentangnya sampai dihentikan</translation>
    </message>
    <message>
        <source>Repeat: each verse %1 times, the range %2 times</source>
        <translation>Ulangi: setiap ayat %1 kali, rentangnya %2 kali</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>error</source>
        <translation>galat</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Bunyikan</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>Kemajuan</translation>
    </message>
    <message>
        <source>Verses learnt: %1 (and %2 being learnt).
Pages learnt whole: %3.
Days in a row with a review: %4.</source>
        <translation>Ayat yang dihafal: %1 (dan %2 sedang dihafal).
Halaman yang dihafal utuh: %3.
Hari berturut-turut dengan murajaah: %4.</translation>
    </message>
    <message>
        <source>Share of each part taken up, and pages due on each of the next 14 days</source>
        <translation>Bagian tiap juz yang sedang dihafal, dan halaman jatuh tempo tiap hari selama 14 hari ke depan</translation>
    </message>
    <message>
        <source>Each part: the share of its verses you are learning</source>
        <translation>Tiap juz: bagian ayatnya yang sedang Anda hafal</translation>
    </message>
    <message>
        <source>Pages due on each of the next 14 days</source>
        <translation>Halaman jatuh tempo tiap hari selama 14 hari ke depan</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RangeDialog</name>
    <message>
        <source>A page of the mushaf</source>
        <translation>Satu halaman mushaf</translation>
    </message>
    <message>
        <source>A range of verses</source>
        <translation>Rangkaian ayat</translation>
    </message>
    <message>
        <source>A chapter</source>
        <translation>Satu surah</translation>
    </message>
    <message>
        <source>A part (juz)</source>
        <translation>Satu juz</translation>
    </message>
    <message>
        <source>chapter:verse</source>
        <extracomment>A verse is written chapter:verse, as 2:255.</extracomment>
        <translation>surah:ayat</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;Apa:</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Nomor:</translation>
    </message>
    <message>
        <source>&amp;From verse:</source>
        <translation>&amp;Dari ayat:</translation>
    </message>
    <message>
        <source>&amp;To verse:</source>
        <translation>&amp;Sampai ayat:</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>halaman %1</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>surah %1</translation>
    </message>
    <message>
        <source>part %1</source>
        <translation>juz %1</translation>
    </message>
    <message>
        <source>the verses %1 to %2</source>
        <translation>ayat %1 sampai %2</translation>
    </message>
    <message>
        <source>No verse begins on this page.</source>
        <translation>Tidak ada ayat yang dimulai di halaman ini.</translation>
    </message>
    <message>
        <source>The verses run from %1 to a later verse.</source>
        <translation>Ayat berjalan dari %1 ke ayat sesudahnya.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReadingComfort</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Tampilan</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>&amp;Huruf Arab</translation>
    </message>
    <message>
        <source>As the Text Defines</source>
        <extracomment>The Arabic font the text&apos;s own program names.</extracomment>
        <translation>Sesuai teksnya</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Perbesar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Per&amp;kecil</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Ukuran &amp;asli</translation>
    </message>
    <message>
        <source>&amp;Next Match</source>
        <translation>Hasil &amp;berikutnya</translation>
    </message>
    <message>
        <source>&amp;Previous Match</source>
        <translation>Hasil &amp;sebelumnya</translation>
    </message>
    <message>
        <source>&amp;Bookmarks</source>
        <translation>&amp;Penanda</translation>
    </message>
    <message>
        <source>&amp;Bookmark the Verse at the Top</source>
        <translation>&amp;Tandai ayat teratas</translation>
    </message>
    <message>
        <source>&amp;Remove Bookmark</source>
        <translation>&amp;Hapus penanda</translation>
    </message>
    <message>
        <source>The bookmark of %1 was not removed: %2.</source>
        <translation>Penanda %1 tidak dihapus: %2.</translation>
    </message>
    <message>
        <source>Your bookmark of %1 was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>Penanda Anda untuk %1 tidak disimpan: %2.</translation>
    </message>
    <message>
        <source>Sepia</source>
        <extracomment>A colour theme: brown text on a cream page.</extracomment>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Dark</source>
        <extracomment>A colour theme: light text on a dark page.</extracomment>
        <translation>Gelap</translation>
    </message>
    <message>
        <source>Light</source>
        <extracomment>A colour theme: the pages&apos; own colours.</extracomment>
        <translation>Terang</translation>
    </message>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>There is no verse to bookmark here.</source>
        <translation>Tidak ada ayat untuk ditandai di sini.</translation>
    </message>
    <message>
        <source>Bookmarked %1 (Bookmarks menu).</source>
        <extracomment>%1 is the verse, e.g. &quot;Al-Fatihah 1:2&quot;.</extracomment>
        <translation>%1 ditandai (menu Penanda).</translation>
    </message>
    <message>
        <source>%1 is bookmarked already.</source>
        <translation>%1 sudah ditandai.</translation>
    </message>
    <message>
        <source>The place where you stopped reading (%1) was not stored: %2.</source>
        <extracomment>%1 is a verse as chapter:verse, %2 the reason.</extracomment>
        <translation>Tempat Anda berhenti membaca (%1) tidak disimpan: %2.</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Surah %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A chapter&apos;s heading: %1 its number, %2 its name.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::RepeatDialog</name>
    <message>
        <source>Repeat from %1 to...</source>
        <translation>Ulangi dari %1 sampai...</translation>
    </message>
    <message>
        <source>Repeat verse %1</source>
        <translation>Ulangi ayat %1</translation>
    </message>
    <message>
        <source>chapter:verse, e.g. 2:5</source>
        <translation>surah:ayat, mis. 2:5</translation>
    </message>
    <message>
        <source>From %1 to verse:</source>
        <translation>Dari %1 sampai ayat:</translation>
    </message>
    <message>
        <source> times</source>
        <translation> kali</translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation>sampai dihentikan</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> md</translation>
    </message>
    <message>
        <source>Each verse:</source>
        <translation>Setiap ayat:</translation>
    </message>
    <message>
        <source>The verse:</source>
        <translation>Ayat ini:</translation>
    </message>
    <message>
        <source>The whole range:</source>
        <translation>Seluruh rentang:</translation>
    </message>
    <message>
        <source>Pause between:</source>
        <translation>Jeda di antaranya:</translation>
    </message>
    <message>
        <source>Recite</source>
        <translation>Baca</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>As long as the verse took, times %1</source>
        <extracomment>Listen and repeat: wait this many times as long as the verse took.</extracomment>
        <translation>Selama ayat itu dibaca, dikali %1</translation>
    </message>
    <message>
        <source>Time to say each verse back:</source>
        <translation>Waktu untuk mengulang tiap ayat:</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::ReviewWindow</name>
    <message>
        <source>Today&apos;s review</source>
        <translation>Murajaah hari ini</translation>
    </message>
    <message>
        <source>Recite the page from memory, then reveal it and grade how well you knew it.</source>
        <translation>Bacalah halaman dari hafalan, lalu buka dan nilai seberapa baik Anda menghafalnya.</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Kata berikutnya</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spasi</translation>
    </message>
    <message>
        <source>Rest of the line</source>
        <translation>Sisa baris</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Semua</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+Enter</translation>
    </message>
    <message>
        <source>Hide a word again</source>
        <translation>Sembunyikan lagi satu kata</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Sulit</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Baik</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Mudah</translation>
    </message>
    <message>
        <source>Listen to the page</source>
        <translation>Dengarkan halaman</translation>
    </message>
    <message>
        <source>How well did you know it?</source>
        <translation>Seberapa baik Anda menghafalnya?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A button&apos;s text and, in brackets, the key that presses it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Page %1 (%2 of %3)</source>
        <translation>Halaman %1 (%2 dari %3)</translation>
    </message>
    <message>
        <source>Nothing is due for review today.</source>
        <translation>Tidak ada yang perlu dimurajaah hari ini.</translation>
    </message>
    <message>
        <source>Review done. Pages graded: %1.</source>
        <translation>Murajaah selesai. Halaman dinilai: %1.</translation>
    </message>
    <message>
        <source>Again %1, hard %2, good %3, easy %4.</source>
        <translation>Ulangi %1, sulit %2, baik %3, mudah %4.</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::SplashWindow</name>
    <message>
        <source>Tilvora</source>
        <translation>Tilvora</translation>
    </message>
    <message>
        <source>Progress Indicator</source>
        <translation>Penunjuk kemajuan</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Memuat, mohon tunggu...</translation>
    </message>
    <message>
        <source>Quran text: tanzil.net</source>
        <translation>Teks Al-Quran: tanzil.net</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>%1 is the version, e.g. 2.08.09A.</extracomment>
        <translation>Versi: %1</translation>
    </message>
</context>
<context>
    <name>tilvora::ui::TextDownloadDialog</name>
    <message>
        <source>Download texts</source>
        <translation>Unduh teks</translation>
    </message>
    <message>
        <source>&amp;Fetch list</source>
        <translation>&amp;Ambil daftar</translation>
    </message>
    <message>
        <source>Translations and commentaries</source>
        <translation>Terjemahan dan tafsir</translation>
    </message>
    <message>
        <source>Translations</source>
        <translation>Terjemahan</translation>
    </message>
    <message>
        <source>Commentaries</source>
        <translation>Tafsir</translation>
    </message>
    <message>
        <source>Service address:</source>
        <translation>Alamat layanan:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Tampilkan:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Texts to download</source>
        <translation>Teks yang dapat diunduh</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Unduh</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>Fetching the list of texts from %1...</source>
        <translation>Mengambil daftar teks dari %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) offered by the service.</source>
        <translation>
            <numerusform>%n teks ditawarkan oleh layanan.</numerusform>
        </translation>
    </message>
    <message>
        <source>The list of texts could not be fetched: %1. Shown instead: texts Tilvora knows by name, which download from the address above when it answers.</source>
        <translation>Daftar teks tidak dapat diambil: %1. Sebagai gantinya ditampilkan teks yang dikenal Tilvora menurut namanya, yang diunduh dari alamat di atas saat alamat itu menjawab.</translation>
    </message>
    <message>
        <source>All languages</source>
        <translation>Semua bahasa</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Terpasang</translation>
    </message>
    <message>
        <source>Known by name</source>
        <translation>Dikenal menurut nama</translation>
    </message>
    <message>
        <source>Installed, known by name</source>
        <translation>Terpasang, dikenal menurut nama</translation>
    </message>
    <message>
        <source>Commentary</source>
        <translation>Tafsir</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Terjemahan</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Mengunduh %1...</translation>
    </message>
    <message>
        <source>%1 could not be removed: %2</source>
        <translation>%1 tidak dapat dihapus: %2</translation>
    </message>
    <message>
        <source>%1 was removed.</source>
        <translation>%1 telah dihapus.</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3</source>
        <translation>%1 dari %2 surah, %3</translation>
    </message>
    <message>
        <source>Installed, %1 verses (%2). Choose it in a row of the control pane.</source>
        <translation>Terpasang, %1 ayat (%2). Pilih di salah satu baris panel kontrol.</translation>
    </message>
    <message>
        <source>Cancelled. The chapters fetched are kept; Download goes on from there.</source>
        <translation>Dibatalkan. Surah yang sudah diambil disimpan; Unduh melanjutkan dari sana.</translation>
    </message>
    <message>
        <source>Not installed: chapters %1 failed. Download again to fetch only what is missing.</source>
        <translation>Tidak terpasang: surah %1 gagal. Unduh lagi untuk mengambil yang kurang saja.</translation>
    </message>
    <message>
        <source>Not installed. Download again to fetch only what is missing.</source>
        <translation>Tidak terpasang. Unduh lagi untuk mengambil yang kurang saja.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>%1 of %2 chapters, %3, about %4 left</source>
        <translation>%1 dari %2 surah, %3, sekitar %4 lagi</translation>
    </message>
    <message>
        <source>The download stopped: %1.</source>
        <translation>Unduhan berhenti: %1.</translation>
    </message>
</context>
</TS>
